// One day's invoicing, from the opened sales file to the end of the summary.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

#include "app/journal_differe.hpp"
#include "calcul/somme.hpp"
#include "magasin/magasin.hpp"
#include "report/reperes.hpp"
#include "ventes/lecteur.hpp"

// What the store's settings make of a day: its invoices' texts, its discount table and, for
// a day whose period of taxes they give, the taxes in exact cents (null: the program's own
// float arithmetic).
struct Bareme {
    const Magasin& magasin;
    const PeriodeTaxes* periode = nullptr;
};

// Where a report writes besides its files: console gets the date found in the sales file and
// the no-purchase message, whose é is written as eAigu; messages gets what went wrong (a file
// absent, empty or not written, a warning). Texts of the sales file shown there have their
// control bytes as '?', and bytes 0x80 to 0x9F too where c1Console or c1Messages says that
// stream is a terminal that would take them for controls.
struct Canaux {
    std::ostream& console;
    std::ostream& messages;
    std::string_view eAigu;
    bool c1Console = false;
    bool c1Messages = false;
};

// Where a day's invoices go: the invoice file, which must be able to go back to a position it
// told, and the journal (null: none); the report's streams; where the marks of the invoices
// and the summary go, for a PDF drawn from the text (null: none); and where each invoice's
// figures are added as printed, for a period's report (null: nowhere).
struct SortiesJour {
    std::ostream& factures;
    std::ostream* journal;
    const Canaux& canaux;
    FileReperes* reperes = nullptr;
    FiguresFactures* figures = nullptr;
};

// What a day gave: whether the sales file was read to its clean end, its invoices, and why a
// read of it failed, if one did (the day is then not done).
struct ResultatJour {
    bool lu = false;
    long long nbFactures = 0;
    std::error_code erreurLecture;
    bool averti = false;  // a word the store may have meant otherwise was told
};

// A text of the sales file as a stream of canaux may show it: control bytes as '?', and bytes
// 0x80 to 0x9F too when c1; at most longueur bytes and "..." when it is longer.
std::string montrer(std::string_view texte, bool c1, std::size_t longueur = std::string::npos);

// Reads the head and every client of entree, writing the invoices and the summary to
// sorties.factures, their records to the journal if any, to the console the file's date and
// the no-purchase message, and to the messages, when a record cannot be read, a warning
// naming fichierVente and the line where reading stopped. Only clients read whole are
// invoiced. dateFact keeps the last head word read, from this day or an earlier one. bareme
// is the store's; fenetre is the reader's window, lot the journal's batch (tests shrink both).
ResultatJour facturerJournee(std::istream& entree, const SortiesJour& sorties,
                             const std::string& fichierVente, std::string& dateFact,
                             const Bareme& bareme, std::size_t fenetre = tailleFenetre,
                             std::size_t lot = tailleLot);
