// facturation: prints one day's invoices of the store from its sales file, one day after
// another as the operator asks, or for each date given on the command line.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "arguments.hpp"
#include "rapport.hpp"
#include "utilitaires.hpp"

namespace {

// Asks the date until its sales file opens; false once standard input has ended.
bool demanderVentes(std::ifstream& entree, std::string& dateVente) {
    for (;;) {
        std::cout << "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : " << std::endl
                  << "\tDate : ";
        if (!(std::cin >> dateVente)) return false;
        if (ouvrirVentes(entree, dateVente, std::cout)) return true;
    }
}

// After a yes, the rest of the answer line ("ui" of "oui") must not become the next date.
bool autreRapport() {
    if (!questionOuiNon("voulez-vous rediger un autre rapport ?")) return false;
    viderEntree();
    return true;
}

// The operator's dialogue, everything on standard output; ends with status 0.
int dialoguer(std::ifstream& entree, std::ofstream& sortie, bool pdf) {
    brancherConsole();
    const Canaux canaux{std::cout, std::cout};
    std::string dateFact;
    do {
        std::string dateVente;
        if (!demanderVentes(entree, dateVente)) return 0;
        facturerDate(entree, sortie, dateVente, dateFact, canaux, pdf);
    } while (autreRapport());
    attendreEntree();
    return 0;
}

// Each date in turn, without reading standard input; what went wrong goes to standard
// error. Status 1 when a date could not be done whole.
int facturerDates(const std::vector<std::string>& dates, std::ifstream& entree,
                  std::ofstream& sortie, bool pdf) {
    TamponPrefixe prefixe(*std::cerr.rdbuf(), "facturation: ");
    std::ostream erreurs(&prefixe);
    const Canaux canaux{std::cout, erreurs};
    std::string dateFact;
    int statut = 0;
    for (const std::string& dateVente : dates) {
        if (!ouvrirVentes(entree, dateVente, erreurs) ||
            !facturerDate(entree, sortie, dateVente, dateFact, canaux, pdf)) {
            statut = 1;
        }
    }
    return statut;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = lireArguments(argc, argv);
    switch (arguments.action) {
        case Action::Aide:
            ecrireAide(std::cout);
            return 0;
        case Action::Version:
            ecrireVersion(std::cout);
            return 0;
        case Action::Erreur:
            ecrireOptionInconnue(std::cerr, arguments.optionInconnue);
            return 2;
        case Action::Dialogue:
        case Action::Dates:
            break;
    }

    std::ifstream entree;
    std::ofstream sortie;
    // Large writes: an invoice file can run to hundreds of megabytes.
    static char tamponSortie[1 << 18];
    sortie.rdbuf()->pubsetbuf(tamponSortie, sizeof tamponSortie);
    return arguments.action == Action::Dates
               ? facturerDates(arguments.dates, entree, sortie, arguments.pdf)
               : dialoguer(entree, sortie, arguments.pdf);
}
