// facturation: prints one day's invoices of the store from its sales file, one day after
// another, as the operator asks.
#include <fstream>
#include <iostream>
#include <string>

#include "journee.hpp"
#include "utilitaires.hpp"

namespace {

std::string nomVentes(const std::string& dateVente) {
    return "vente" + dateVente + ".txt";
}
std::string nomFacture(const std::string& dateVente) {
    return "facture " + dateVente + ".txt";
}

// Both files live in the working directory: a date holding a path separator (or a NUL,
// which would cut the name short) cannot name a sales file there.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente) {
    const std::string fichierVente = nomVentes(dateVente);
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

bool ouvrirFacture(std::ofstream& sortie, const std::string& fichierFacture) {
    sortie.open(fichierFacture);
    if (sortie.is_open()) return true;
    std::cout << "le fichier \"" << fichierFacture << "\" ne peut pas etre cree\n";
    return false;
}

// A full disk shows only here: the invoice file would otherwise look complete.
void fermerFacture(std::ofstream& sortie, const std::string& fichierFacture) {
    sortie.close();
    if (sortie.fail()) {
        std::cout << "attention : le fichier \"" << fichierFacture
                  << "\" est incomplet : l'ecriture a echoue" << std::endl;
    }
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
    // Large writes: an invoice file can run to hundreds of megabytes.
    static char tamponSortie[1 << 18];
    sortie.rdbuf()->pubsetbuf(tamponSortie, sizeof tamponSortie);
    std::string dateFact;
    do {
        std::string dateVente;
        if (!demanderVentes(entree, dateVente)) return 0;
        const std::string fichierFacture = nomFacture(dateVente);
        if (ouvrirFacture(sortie, fichierFacture)) {
            facturerJournee(entree, sortie, std::cout, nomVentes(dateVente), dateFact);
            fermerFacture(sortie, fichierFacture);
        }
        entree.close();
    } while (autreRapport());
    attendreEntree();
    return 0;
}
