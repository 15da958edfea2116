#include "app/reimpression.hpp"

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
    std::vector<Repere> marques;
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

// The invoice's bytes copied from the day's text to sortie, opened in text mode: the file has
// the platform's line ends, as the day's invoice file does. The day's text was just written
// by this run: its bytes are there.
bool copierTexte(std::ifstream& jour, const Etendue& etendue, Ecrivain& sortie) {
    std::vector<char> tampon(static_cast<std::size_t>(etendue.fin - etendue.debut));
    jour.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
    sortie.sputn(tampon.data(), static_cast<std::streamsize>(tampon.size()));
    return sortie.fermer();  // which tells a write that failed
}

// The invoice drawn alone to sortie, its head and numbering as the day's PDF draws them.
bool dessinerPdf(std::ifstream& jour, const Etendue& etendue, Ecrivain& sortie,
                 long long noFacture, const std::string& dateFact) {
    FileReperes repere;
    Repere seul = etendue.repere;
    seul.position = 0;
    repere.ajouter(std::move(seul));
    std::ostream flux(&sortie);
    ecrireFacturesPdf(flux, *jour.rdbuf(), etendue.fin - etendue.debut,
                      "Facture " + std::to_string(noFacture) + " du " + dateFact, &repere);
    return sortie.fermer();  // which tells a write that failed
}

// Writes the invoice found in the day's text brouillon as the file nom, whole or untouched.
bool ecrireFacture(const std::string& brouillon, const Etendue& etendue, const std::string& nom,
                   bool pdf, long long noFacture, const std::string& dateFact,
                   std::ostream& messages) {
    const Sortie sortie = preparerSortie(nom);
    Ecrivain fichier;
    if (!fichier.ouvrir(sortie.ecrit, pdf)) {
        messages << leFichier(nom) + " ne peut pas etre cree\n";
        return false;
    }
    std::ifstream jour(brouillon, std::ios::binary);
    jour.seekg(static_cast<std::streamoff>(etendue.debut));
    const bool complet = pdf ? dessinerPdf(jour, etendue, fichier, noFacture, dateFact)
                             : copierTexte(jour, etendue, fichier);
    return terminerSortie(sortie, complet, messages);
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
        !ouvrirVentes(entree, dateVente, ventes, canaux.messages) ||
        !verifierEntete(entree, dateVente, magasin, canaux.messages)) {
        return 1;
    }
    // The whole day first, as its report writes it, into a file of the program's own that
    // goes once the invoice is out; binary, so that its marks count its bytes. The folder the
    // sales file was found in takes it, as it takes the day's own files.
    const std::string brouillon = nomTemporaire();
    EcrivainFacture texte;
    FileReperes reperes;
    std::string dateFact;
    ResultatJour jour;
    IdentiteFichier jourEcrit;
    // GCOVR_EXCL_BR_START: a file of the program's in the folder it writes in
    if (!texte.ouvrir(brouillon, nullptr, true)) {
        canaux.messages << leFichier(nomReimpression(dateVente, noFacture, pdf)) +
                               " ne peut pas etre cree\n";
        return 1;
    }
    // GCOVR_EXCL_BR_STOP
    {
        std::ostream flux(&texte);
        jour = facturerJournee(entree, {flux, nullptr, canaux, &reperes}, nomVentes(dateVente),
                               dateFact, {magasin, periode});
    }
    const bool ecrit = texte.fermer() && identiteFichier(brouillon, jourEcrit);
    const Etendue etendue = trouverFacture(reperes, noFacture, jourEcrit.taille);
    int statut = jour.lu && !jour.averti && ecrit ? 0 : 1;
    if (jour.erreurLecture || !ecrit) {
        // The day cannot be read whole, or the disk took no copy of it: its failure is told.
        if (!ecrit) {
            canaux.messages << ligneIncomplet(nomReimpression(dateVente, noFacture, pdf))
                            << std::flush;
        }
    } else if (!etendue.trouvee) {
        canaux.messages << leFichier(nomVentes(dateVente)) + " n'a pas de facture " +
                               std::to_string(noFacture) + "\n";
        statut = 1;
    } else if (!ecrireFacture(brouillon, etendue, nomReimpression(dateVente, noFacture, pdf), pdf,
                              noFacture, dateFact, canaux.messages)) {
        statut = 1;
    }
    retirerFichier(brouillon);
    return statut;
}
