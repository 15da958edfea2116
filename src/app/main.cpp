// facturation: prints one day's invoices of the store from its sales file, one day after
// another as the operator asks, or for each date given on the command line.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/arguments.hpp"
#include "app/bilan.hpp"
#include "app/rapport.hpp"
#include "app/reimpression.hpp"
#include "jour/a_jour.hpp"
#include "jour/temporaires.hpp"
#include "jour/validation.hpp"
#include "magasin/magasin.hpp"
#include "util/console.hpp"
#include "util/dialogue.hpp"
#include "util/prefixe.hpp"

namespace {

// Asks the date until the store's settings have its taxes and its sales file opens; false
// once standard input has ended.
bool demanderVentes(std::ifstream& entree, std::string& dateVente, IdentiteFichier& ventes,
                    const Magasin& magasin, const PeriodeTaxes*& periode) {
    for (;;) {
        std::cout << "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : " << std::endl
                  << "\tDate : ";
        if (!(std::cin >> dateVente)) return false;
        if (trouverPeriode(magasin, dateVente, periode, std::cout) &&
            ouvrirVentes(entree, dateVente, ventes, std::cout)) {
            if (verifierEntete(entree, dateVente, magasin, std::cout)) return true;
        }
    }
}

// After a yes, the rest of the answer line ("ui" of "oui") must not become the next date.
bool autreRapport() {
    if (!questionOuiNon("voulez-vous rediger un autre rapport ?")) return false;
    viderEntree();
    return true;
}

// The operator's dialogue, everything on standard output; ends with status 0. Settings that
// cannot be used (erreur) are told on standard error, as on the command line, then comes the
// closing pause, and status 2: the operator who double-clicked the program reads why in its
// window before it closes.
int dialoguer(std::ifstream& entree, EcrivainFacture& sortie, Validation& validation,
              Formats formats, const Magasin& magasin, const std::string& erreur,
              std::ostream& erreurs) {
    brancherConsole();
    if (!erreur.empty()) {
        erreurs << erreur + "\n" << std::flush;
        attendreEntree();
        return 2;
    }
    const Canaux canaux{std::cout, std::cout, eAiguConsole(), c1Sortie(), c1Sortie()};
    std::string dateFact;
    do {
        std::string dateVente;
        IdentiteFichier ventes;
        const PeriodeTaxes* periode = nullptr;
        if (!demanderVentes(entree, dateVente, ventes, magasin, periode)) return 0;
        facturerDate(entree, ventes, sortie, dateVente, dateFact, canaux, formats,
                     {magasin, periode}, validation);
        // The operator learns how the day ended before being asked about another.
        validation.rendreCompte(canaux.messages, true);
    } while (autreRapport());
    attendreEntree();
    return 0;
}

// Each date in turn, without reading standard input; what went wrong goes to standard
// error. Status 1 when a date could not be done whole. Quiet, nothing goes to standard
// output (a stream without buffer drops what it is given).
int facturerDates(const std::vector<std::string>& dates, std::ifstream& entree,
                  EcrivainFacture& sortie, Validation& validation, std::ostream& erreurs,
                  Formats formats, bool muet, const Magasin& magasin) {
    std::ostream silence(nullptr);
    const Canaux canaux{muet ? silence : std::cout, erreurs, eAiguConsole(), c1Sortie(),
                        c1Erreur()};
    std::string dateFact;
    int statut = 0;
    for (const std::string& dateVente : dates) {
        IdentiteFichier ventes;
        const PeriodeTaxes* periode = nullptr;
        if (!trouverPeriode(magasin, dateVente, periode, erreurs) ||
            !ouvrirVentes(entree, dateVente, ventes, erreurs) ||
            !verifierEntete(entree, dateVente, magasin, erreurs) ||
            !facturerDate(entree, ventes, sortie, dateVente, dateFact, canaux, formats,
                          {magasin, periode}, validation)) {
            statut = 1;
        }
        // The day before this one is put in place while this one was written.
        if (!validation.rendreCompte(erreurs, false)) statut = 1;
    }
    return validation.rendreCompte(erreurs, true) ? statut : 1;
}

// Standard output that could not be written (a full disk, a closed pipe) is a failure, not
// a success, as GNU tools have it: checked once everything is written.
int verifierSortie(int statut, std::ostream& erreurs) {
    // Both calls always: an error may have come with an earlier flush (std::cout writes
    // through the C library's stdout, which keeps it).
    if ((std::fflush(stdout) | std::ferror(stdout)) == 0) return statut;
    erreurs << "la sortie standard ne peut pas etre ecrite\n";
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    preparerProcessus();
    // Every line on standard error names the program, and goes out in one write.
    TamponPrefixe prefixe(*std::cerr.rdbuf(), "facturation: ");
    std::ostream erreurs(&prefixe);
    const Arguments arguments = lireArguments(argc, argv);
    if (arguments.action == Action::Erreur) {
        ecrireErreur(erreurs, arguments.erreur);
        return 2;
    }
    if (arguments.action == Action::Aide) {
        ecrireAide(std::cout);
        return verifierSortie(0, erreurs);
    }
    if (arguments.action == Action::Version) {
        ecrireVersion(std::cout);
        return verifierSortie(0, erreurs);
    }

    // The store's settings, once: a file that cannot be used stops the run before any day.
    Magasin magasin;
    std::string erreur;
    const bool exige = !arguments.magasin.empty();
    lireMagasin(exige ? arguments.magasin : fichierMagasinUsuel, exige, magasin, erreur);

    // What a run that was killed left half-written goes before any day is written.
    nettoyerTemporaires();
    std::ifstream entree;
    EcrivainFacture sortie;
    Validation validation;
    const Formats formats{arguments.pdf, arguments.csv};
    if (arguments.action == Action::Dialogue) {
        return dialoguer(entree, sortie, validation, formats, magasin, erreur, erreurs);
    }
    if (!erreur.empty()) {
        erreurs << erreur + "\n";
        return 2;
    }
    if (arguments.action == Action::Bilan) {
        std::ostream silence(nullptr);
        return verifierSortie(faireBilan(arguments.debutBilan, arguments.finBilan, arguments.csv,
                                         magasin, arguments.muet ? silence : std::cout, erreurs),
                              erreurs);
    }
    if (arguments.action == Action::Facture) {
        std::ostream silence(nullptr);
        const Canaux canaux{arguments.muet ? silence : std::cout, erreurs, eAiguConsole(),
                            c1Sortie(), c1Erreur()};
        return verifierSortie(reimprimer(arguments.dates.front(), arguments.noFacture,
                                         arguments.pdf, magasin, canaux),
                              erreurs);
    }
    // Nothing due is nothing to do: status 0, nothing written. A file named like a sales file
    // that names no day is told first, status 1.
    std::vector<std::string> douteux;
    const std::vector<std::string> dates =
        arguments.action == Action::AJour ? joursEnRetard(formats, douteux) : arguments.dates;
    for (const std::string& nom : douteux) erreurs << ligneDouteux(nom);
    const int statut = facturerDates(dates, entree, sortie, validation, erreurs, formats,
                                     arguments.muet, magasin);
    return verifierSortie(douteux.empty() ? statut : 1, erreurs);
}
