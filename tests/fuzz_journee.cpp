// Fuzz target: arbitrary bytes as a sales file, through the program's own reading, arithmetic
// and printers, into memory, then the invoice text and the bytes themselves through the PDF
// printer. The day is read in floats and in cents, each twice, through the usual window and
// journal batch and through ones of a few bytes and records: every refill and batch must give the
// same invoices, journal, messages and PDF.
#include <cstdint>
#include <sstream>
#include <string>

#include "app/journee.hpp"
#include "report/pdf.hpp"

namespace {

// Today's Quebec taxes, for the day in cents.
Magasin quebec() {
    Magasin magasin;
    magasin.taxes.push_back({20130101, {5000, 9975, false}, "tps (5 %) :", "tvq (9,975 %) :"});
    return magasin;
}
const Magasin magasinProgramme;
const Magasin magasinQuebec = quebec();

std::string facturer(const std::string& ventes, const Bareme& bareme, std::size_t fenetre,
                     std::size_t lot) {
    std::istringstream entree(ventes);
    std::ostringstream sortie, journal, console, pdf;
    std::string dateFact;
    const Canaux canaux{console, console, "\x82"};
    FileReperes reperes;
    facturerJournee(entree, {sortie, &journal, canaux, &reperes}, "vente.txt", dateFact, bareme,
                    fenetre, lot);
    // An invoice taken back leaves its bytes past the end, as a file does before it is cut.
    const std::string factures = sortie.str().substr(0, std::size_t(sortie.tellp()));
    // The PDF of the invoices, then of the sales file's own bytes: any text at all.
    const std::pair<const std::string*, FileReperes*> textes[] = {{&factures, &reperes},
                                                                  {&ventes, nullptr}};
    for (const auto& [texte, marques] : textes) {
        std::stringbuf source(*texte);
        ecrireFacturesPdf(pdf, source, texte->size(), dateFact, marques, fenetre);
    }
    // A report always tells the date it found.
    if (console.str().rfind("La date dans le fichier est : ", 0) != 0) __builtin_trap();
    return factures + journal.str() + console.str() + pdf.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string ventes(reinterpret_cast<const char*>(donnees), taille);
    // The program's own floats, then cents in today's period of taxes.
    for (const Bareme& bareme :
         {Bareme{magasinProgramme}, Bareme{magasinQuebec, &magasinQuebec.taxes[0]}}) {
        if (facturer(ventes, bareme, tailleFenetre, tailleLot) !=
            facturer(ventes, bareme, 1 + taille % 5, 1 + taille % 3)) {
            __builtin_trap();
        }
    }
    return 0;
}
