// The steps of one report, shared by the operator's dialogue and the command line.
#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "app/journee.hpp"
#include "util/ecrivain_facture.hpp"

// The day's files in the working directory: its sales file "vente<dateVente>.txt" and the
// files written from it, "facture <dateVente>" with extension (".txt", ".pdf", ".csv").
constexpr std::string_view prefixeVentes = "vente";
constexpr std::string_view suffixeVentes = ".txt";
std::string nomVentes(const std::string& dateVente);
std::string nomFacture(const std::string& dateVente, const char* extension);

// The period of taxes of dateVente in the store's settings, null without periods; false, with
// its message, when the store has periods and dateVente is no day any of them covers.
bool trouverPeriode(const Magasin& magasin, const std::string& dateVente,
                    const PeriodeTaxes*& periode, std::ostream& messages);

// Opens the sales file "vente<dateVente>.txt" on entree (closed); false, with its message,
// when that file is absent or empty, or when the date holds a path separator.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente, std::ostream& messages);

// The files a report writes besides the invoice file.
struct Formats {
    bool pdf = false;  // "facture <date>.pdf", the invoices to print
    bool csv = false;  // "facture <date>.csv", the journal for the accountant
};

// With the sales file open: writes the invoice file "facture <dateVente>.txt", with csv its
// journal "facture <dateVente>.csv" (the header alone for a day without invoice), with pdf
// the invoices as "facture <dateVente>.pdf", drawn as they are written (a day without
// invoice has no PDF), then closes the files. Which files stay, and what is said of them, is
// the day's rule (fichiers_jour.hpp): a PDF or journal of that date that this run does not
// write goes. True when the sales file was read to its clean end and every file asked for
// written whole. dateFact keeps the date word of the last head read; bareme is the store's
// for that date.
bool facturerDate(std::ifstream& entree, EcrivainFacture& sortie, const std::string& dateVente,
                  std::string& dateFact, const Canaux& canaux, Formats formats,
                  const Bareme& bareme);
