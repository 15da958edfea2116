// facturation: prints one day's invoices of the store from its sales file, one day after
// another, as the operator asks.
#include <fstream>
#include <iostream>
#include <string>

#include "journee.hpp"
#include "utilitaires.hpp"

namespace {

// Both files live in the working directory: a date holding a path separator (or a NUL,
// which would cut the name short) cannot name a sales file there.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente) {
    const std::string fichierVente = "vente" + dateVente + ".txt";
    if (dateVente.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        std::cout << "le fichier \"" << fichierVente << "\" est absent\n";
        return false;
    }
    return ouvrirFichierEntree(entree, fichierVente);
}

// Asks the date until its sales file opens; false once standard input has ended.
bool demanderVentes(std::ifstream& entree, std::string& dateVente) {
    for (;;) {
        std::cout << "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : " << std::endl
                  << "\tDate : ";
        if (!(std::cin >> dateVente)) return false;
        if (ouvrirVentes(entree, dateVente)) return true;
    }
}

bool ouvrirFacture(std::ofstream& sortie, const std::string& dateVente) {
    const std::string fichierFacture = "facture " + dateVente + ".txt";
    sortie.open(fichierFacture);
    if (sortie.is_open()) return true;
    std::cout << "le fichier \"" << fichierFacture << "\" ne peut pas etre cree\n";
    return false;
}

// After a yes, the rest of the answer line ("ui" of "oui") must not become the next date.
bool autreRapport() {
    if (!questionOuiNon("voulez-vous rediger un autre rapport ?")) return false;
    viderEntree();
    return true;
}

}  // namespace

int main() {
    brancherConsole();
    std::ifstream entree;
    std::ofstream sortie;
    std::string dateFact;
    do {
        std::string dateVente;
        if (!demanderVentes(entree, dateVente)) return 0;
        if (ouvrirFacture(sortie, dateVente)) {
            facturerJournee(entree, sortie, std::cout, dateFact);
            entree.close();
            sortie.close();
        } else {
            entree.close();
        }
    } while (autreRapport());
    attendreEntree();
    return 0;
}
