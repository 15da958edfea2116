#include "app/reimpression.hpp"

#include <deque>
#include <fstream>
#include <utility>
#include <vector>

#include "app/rapport.hpp"
#include "jour/fichiers_jour.hpp"
#include "jour/temporaires.hpp"
#include "report/pdf.hpp"
#include "util/console.hpp"
#include "util/ecrivain_facture.hpp"
#include "util/fichier_entree.hpp"

namespace {

// Where invoice noFacture stands in the day's text: from its mark to the next one.
struct Etendue {
    bool trouvee = false;
    std::uint64_t debut = 0;
    std::uint64_t fin = 0;
    Repere repere;
};

Etendue trouverFacture(FileReperes& reperes, long long noFacture, std::uint64_t taille) {
    std::deque<Repere> marques;
    reperes.prendreTout(marques);
    Etendue etendue;
    long long numero = 0;
    for (Repere& repere : marques) {
        if (etendue.trouvee) {
            etendue.fin = repere.position;
            return etendue;
        }
        if (repere.facture && numero++ == noFacture) {
            etendue = {true, repere.position, taille, std::move(repere)};
        }
    }
    return etendue;
}

// The invoice's bytes copied from the day's text, through a writer in text mode: the file
// has the platform's line ends, as the day's invoice file does.
bool copierTexte(std::ifstream& jour, const Etendue& etendue, const std::string& ecrit) {
    Ecrivain sortie;
    if (!sortie.ouvrir(ecrit)) return false;
    std::vector<char> tampon(1 << 16);
    for (std::uint64_t reste = etendue.fin - etendue.debut; reste > 0;) {
        const auto n = static_cast<std::streamsize>(std::min<std::uint64_t>(reste, tampon.size()));
        if (!jour.read(tampon.data(), n) || sortie.sputn(tampon.data(), n) != n) {
            sortie.fermer();
            return false;
        }
        reste -= static_cast<std::uint64_t>(n);
    }
    return sortie.fermer();
}

// The invoice drawn alone, its head and numbering as the day's PDF draws them.
bool dessinerPdf(std::ifstream& jour, const Etendue& etendue, const std::string& ecrit,
                 long long noFacture, const std::string& dateFact) {
    Ecrivain sortie;
    if (!sortie.ouvrir(ecrit, true)) return false;
    FileReperes repere;
    repere.ajouter({0, etendue.repere.lignesEntete, true, etendue.repere.titre});
    std::ostream flux(&sortie);
    const std::uint64_t taille = etendue.fin - etendue.debut;
    const std::uint64_t lus =
        ecrireFacturesPdf(flux, *jour.rdbuf(), taille,
                          "Facture " + std::to_string(noFacture) + " du " + dateFact, &repere);
    return sortie.fermer() && !flux.bad() && lus == taille;
}

}  // namespace

std::string nomReimpression(const std::string& dateVente, long long noFacture, bool pdf) {
    return "facture " + dateVente + " no " + std::to_string(noFacture) + (pdf ? ".pdf" : ".txt");
}

int reimprimer(const std::string& dateVente, long long noFacture, bool pdf, const Magasin& magasin,
               const Canaux& canaux) {
    const PeriodeTaxes* periode = nullptr;
    std::ifstream entree;
    IdentiteFichier ventes;
    if (!trouverPeriode(magasin, dateVente, periode, canaux.messages) ||
        !ouvrirVentes(entree, dateVente, ventes, canaux.messages)) {
        return 1;
    }
    // The whole day first, as its report writes it, into a file of the program's own that
    // goes once the invoice is out; binary, so that its marks count its bytes.
    const std::string brouillon = nomTemporaire();
    EcrivainFacture texte;
    FileReperes reperes;
    ResultatJour jour;
    std::string dateFact;
    bool ecrit = texte.ouvrir(brouillon, nullptr, true);
    if (ecrit) {
        std::ostream flux(&texte);
        jour = facturerJournee(entree, {flux, nullptr, canaux, &reperes}, nomVentes(dateVente),
                               dateFact, {magasin, periode});
        ecrit = texte.fermer();
    }
    IdentiteFichier jourEcrit;
    ecrit = ecrit && identiteFichier(brouillon, jourEcrit);
    const std::uint64_t taille = jourEcrit.taille;
    const Etendue etendue = trouverFacture(reperes, noFacture, taille);
    const std::string nom = nomReimpression(dateVente, noFacture, pdf);
    int statut = jour.lu ? 0 : 1;
    if (!ecrit) {
        canaux.messages << leFichier(nom) + " ne peut pas etre cree\n";
        statut = 1;
    } else if (jour.erreurLecture) {
        statut = 1;
    } else if (!etendue.trouvee) {
        canaux.messages << leFichier(nomVentes(dateVente)) + " n'a pas de facture " +
                               std::to_string(noFacture) + "\n";
        statut = 1;
    } else {
        const Sortie sortie = preparerSortie(nom);
        std::ifstream jourTexte(brouillon, std::ios::binary);
        jourTexte.seekg(static_cast<std::streamoff>(etendue.debut));
        const bool complet =
            pdf ? dessinerPdf(jourTexte, etendue, sortie.ecrit, noFacture, dateFact)
                : copierTexte(jourTexte, etendue, sortie.ecrit);
        if (!terminerSortie(sortie, complet, canaux.messages)) statut = 1;
    }
    retirerFichier(brouillon);
    return statut;
}
