#include "rapport.hpp"

#include "journee.hpp"
#include "utilitaires.hpp"

namespace {

std::string nomVentes(const std::string& dateVente) {
    return "vente" + dateVente + ".txt";
}

bool ouvrirFacture(std::ofstream& sortie, const std::string& fichierFacture,
                   std::ostream& messages) {
    sortie.open(fichierFacture);
    if (sortie.is_open()) return true;
    messages << "le fichier \"" << fichierFacture << "\" ne peut pas etre cree\n";
    return false;
}

// A full disk shows only here: the invoice file would otherwise look complete.
bool fermerFacture(std::ofstream& sortie, const std::string& fichierFacture,
                   std::ostream& messages) {
    sortie.close();
    if (!sortie.fail()) return true;
    messages << "attention : le fichier \"" << fichierFacture
             << "\" est incomplet : l'ecriture a echoue" << std::endl;
    return false;
}

}  // namespace

// Both files live in the working directory: a date holding a path separator (or a NUL,
// which would cut the name short) cannot name a sales file there.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente, std::ostream& messages) {
    const std::string fichierVente = nomVentes(dateVente);
    if (dateVente.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        messages << "le fichier \"" << fichierVente << "\" est absent\n";
        return false;
    }
    return ouvrirFichierEntree(entree, fichierVente, messages);
}

bool facturerDate(std::ifstream& entree, std::ofstream& sortie, const std::string& dateVente,
                  std::string& dateFact, const Canaux& canaux) {
    const std::string fichierFacture = "facture " + dateVente + ".txt";
    bool complet = ouvrirFacture(sortie, fichierFacture, canaux.messages);
    if (complet) {
        complet = facturerJournee(entree, sortie, canaux.console, canaux.messages,
                                  nomVentes(dateVente), dateFact);
        complet = fermerFacture(sortie, fichierFacture, canaux.messages) && complet;
    }
    entree.close();
    return complet;
}
