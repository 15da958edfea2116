#include "app/bilan.hpp"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

#include "app/rapport.hpp"
#include "jour/fichiers_jour.hpp"
#include "jour/registre.hpp"
#include "report/bilan.hpp"
#include "util/console.hpp"
#include "util/ecrivain.hpp"
#include "util/evier.hpp"
#include "util/fichier_entree.hpp"

namespace {

// The program's own taxes, as its invoices apply them.
constexpr const char* taxesProgramme = "tps (6 %), tvq (7,5 %), celles du programme";

// The days of the range under one period of taxes (null: before the store's first one, or
// the program's own), and their sums.
struct Tranche {
    const PeriodeTaxes* periode = nullptr;
    Jour premier = 0;
    Jour dernier = 0;
    FiguresFactures figures;
};

// The label of a footer ("tps (5 %) :") without its colon.
std::string sansDeuxPoints(const std::string& libelle) {
    return libelle.substr(0, libelle.rfind(" :"));
}

std::string texteTaxes(const Magasin& magasin, const PeriodeTaxes* periode) {
    if (magasin.taxes.empty()) return taxesProgramme;
    if (periode == nullptr) return "aucune des reglages, avant leur premiere periode";
    return sansDeuxPoints(periode->libelleTps) + ", " + sansDeuxPoints(periode->libelleTvq);
}

// The range cut where its period of taxes changes, in date order.
std::vector<Tranche> tranchesDe(Jour debut, Jour fin, const Magasin& magasin) {
    std::vector<Tranche> tranches;
    for (Jour jour = debut;; jour = lendemain(jour)) {
        const PeriodeTaxes* const periode = periodeDe(magasin.taxes, jour);
        if (tranches.empty() || tranches.back().periode != periode) {
            tranches.push_back({periode, jour, jour, {}});
        }
        tranches.back().dernier = jour;
        if (jour == fin) return tranches;
    }
}

// One day as its report sees it.
struct Journee {
    FiguresFactures figures;
    EtatJour etat;
    std::string raison;  // why a day with a sales file cannot be invoiced at all, if so
};

// A sales file that does not open: absent (or a folder, as invoicing takes it), empty, or one
// that cannot be read.
void classerIllisible(const std::string& fichierVente, const IdentiteFichier& ventes,
                      EtatJour& etat) {
    if (natureFichier(fichierVente) != Nature::Ordinaire) {
        etat.absent = true;
    } else if (ventes.taille == 0) {
        etat.vide = true;
    } else {
        etat.avertissements = 1;
    }
}

// Reads the day date as its invoicing would, its text and messages counted and dropped.
Journee examinerJour(const std::string& date, const Magasin& magasin, const PeriodeTaxes* periode,
                     const Registre& registre) {
    Journee journee;
    EtatJour& etat = journee.etat;
    Evier avis(true);
    std::ostream messages(&avis);
    std::ifstream entree;
    IdentiteFichier ventes;
    if (!ouvrirVentes(entree, date, ventes, messages)) {
        classerIllisible(nomVentes(date), ventes, etat);
        return journee;
    }
    std::string dateTete;
    etat.dateDifferente = dateEntete(entree, dateTete) && dateTete != date;
    const bool avecMagasin = !magasin.taxes.empty();
    if (avecMagasin && periode == nullptr) {
        std::string erreur;
        periodeDuJour(magasin, date, periode, erreur);
        journee.raison = erreur;
        etat.aFacturer = true;
        return journee;
    }
    // With the store's settings such a day is refused: it has no invoices to add.
    if (avecMagasin && etat.dateDifferente) return journee;
    Evier texte;
    std::ostream factures(&texte);
    std::ostream silence(nullptr);
    const Canaux canaux{silence, messages, "", false, false};
    std::string dateFact;
    const ResultatJour lu =
        facturerJournee(entree, {factures, nullptr, canaux, nullptr, &journee.figures},
                        nomVentes(date), dateFact, {magasin, periode});
    // A reading that stopped always says why; a day not read whole is damaged all the same.
    etat.avertissements =
        std::max(static_cast<long long>(avis.lignes()), static_cast<long long>(!lu.lu));
    etat.aFacturer = !estFait(registre, date, ventes, Formats{});
    return journee;
}

// An output of the report, opened under its temporary name.
struct FichierBilan {
    Sortie sortie;
    Ecrivain ecrivain;
    std::ostream flux{&ecrivain};
};

bool ouvrirBilan(FichierBilan& fichier, const std::string& nom, bool binaire,
                 std::ostream& erreurs) {
    fichier.sortie = preparerSortie(nom);
    if (fichier.ecrivain.ouvrir(fichier.sortie.ecrit, binaire)) return true;
    erreurs << leFichier(nom) + " ne peut pas etre cree\n";
    return false;
}

bool fermerBilan(FichierBilan& fichier) {
    return fichier.ecrivain.fermer() && !fichier.flux.bad();
}

// Without its temporary file, the earlier output of that name as it was.
void abandonner(const Sortie& sortie) {
    if (sortie.ecrit != sortie.nom) retirerFichier(sortie.ecrit);
}

// The text and its spreadsheet take their places together, or neither does: an earlier pair
// of that range would otherwise disagree. Each written whole (complet) is put in place only
// when the other is too.
bool terminerBilan(FichierBilan& fichier, bool complet, bool lesDeux, std::ostream& erreurs) {
    if (lesDeux) return terminerSortie(fichier.sortie, true, erreurs);
    if (!complet) return terminerSortie(fichier.sortie, false, erreurs);
    abandonner(fichier.sortie);
    return false;
}

}  // namespace

std::string nomBilan(const std::string& debut, const std::string& fin, const char* extension) {
    return "bilan " + debut + " au " + fin + extension;
}

int faireBilan(const std::string& debut, const std::string& fin, bool csv, const Magasin& magasin,
               std::ostream& console, std::ostream& erreurs) {
    const Jour premier = *jourDe(debut);
    const Jour dernier = *jourDe(fin);
    std::vector<Tranche> tranches = tranchesDe(premier, dernier, magasin);

    FichierBilan texte;
    std::optional<FichierBilan> journal;
    if (!ouvrirBilan(texte, nomBilan(debut, fin, ".txt"), false, erreurs)) return 1;
    if (csv && !ouvrirBilan(journal.emplace(), nomBilan(debut, fin, ".csv"), true, erreurs)) {
        texte.ecrivain.fermer();
        abandonner(texte.sortie);
        return 1;
    }
    ecrireEnteteBilan(texte.flux, magasin.identite, debut, fin,
                      tranches.size() == 1 ? texteTaxes(magasin, tranches.front().periode)
                                           : "selon la periode, voir les totaux");
    if (journal) ecrireEnteteBilanCsv(journal->flux);

    const Registre registre = lireRegistre();
    FiguresFactures total;
    int statut = 0;
    std::size_t tranche = 0;
    for (Jour jour = premier;; jour = lendemain(jour)) {
        const std::string date = dateDe(jour);
        if (jour > tranches[tranche].dernier) ++tranche;
        const Journee journee = examinerJour(date, magasin, tranches[tranche].periode, registre);
        ecrireJourBilan(texte.flux, date, journee.figures, journee.etat);
        if (journal) {
            ecrireJourBilanCsv(journal->flux, dateIso(date), journee.figures,
                               texteEtat(journee.etat, true));
        }
        ajouter(tranches[tranche].figures, journee.figures);
        ajouter(total, journee.figures);
        if (!journee.raison.empty()) erreurs << journee.raison + "\n";
        if (!journee.etat.absent && !jourSansFaute(journee.etat)) {
            erreurs << "la journee du " + date + " : " + texteEtat(journee.etat, false) + "\n";
            statut = 1;
        }
        if (jour == dernier) break;
    }

    ecrireRegleBilan(texte.flux);
    if (tranches.size() > 1) {
        for (const Tranche& t : tranches) {
            ecrireTotalBilan(texte.flux,
                             "Du " + dateDe(t.premier) + " au " + dateDe(t.dernier) + " : " +
                                 texteTaxes(magasin, t.periode),
                             t.figures);
        }
        ecrireRegleBilan(texte.flux);
    }
    ecrireTotalBilan(texte.flux, "Du " + debut + " au " + fin, total);
    ecrireDeclaration(texte.flux, total);
    ecrireDeclaration(console, total);
    if (journal) ecrireJourBilanCsv(journal->flux, "total", total, "");

    const bool texteComplet = fermerBilan(texte);
    const bool journalComplet = !journal || fermerBilan(*journal);
    const bool lesDeux = texteComplet && journalComplet;
    bool ecrits = terminerBilan(texte, texteComplet, lesDeux, erreurs);
    if (journal && !terminerBilan(*journal, journalComplet, lesDeux, erreurs)) ecrits = false;
    return ecrits ? statut : 1;
}
