// Fuzz target: arbitrary bytes as the store's settings file, read as the program reads
// magasin.toml; settings it accepts then invoice a small day in each of their periods, with
// the journal and the PDF. Nothing may trap, and a refusal is one line naming the file.
#include <cstdint>
#include <sstream>
#include <string>

#include "app/journee.hpp"
#include "report/pdf.hpp"

namespace {

const std::string ventes =
    "Ventes de la journee du 28-02-2012\n"
    "101 Jeanne Exemple membre 2\n1 chemise 2 19.99 s\n2 pantalon -1 39.50 n\n"
    "102 Marc Essai vip 1\n7 manteau 3 120.00 n\n103 Luc Autre client 1\n3 gants 1 0.05 s\n";

void facturer(const Bareme& bareme) {
    std::istringstream entree(ventes);
    std::ostringstream sortie, journal, console, pdf;
    std::string dateFact;
    const Canaux canaux{console, console, "\x82"};
    FileReperes reperes;
    facturerJournee(entree, {sortie, &journal, canaux, &reperes}, "vente.txt", dateFact, bareme);
    const std::string factures = sortie.str().substr(0, std::size_t(sortie.tellp()));
    std::stringbuf source(factures);
    ecrireFacturesPdf(pdf, source, factures.size(), dateFact, &reperes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    Magasin magasin;
    std::string erreur;
    if (!lireReglagesTexte(contenu, "magasin.toml", magasin, erreur)) {
        if ((erreur.rfind("le fichier \"magasin.toml\", ligne ", 0) != 0 &&
             erreur.rfind("le fichier \"magasin.toml\" : ", 0) != 0) ||
            erreur.find('\n') != std::string::npos) {
            __builtin_trap();
        }
        return 0;
    }
    facturer({magasin});
    for (const PeriodeTaxes& periode : magasin.taxes) facturer({magasin, &periode});
    return 0;
}
