// The steps of one report, shared by the operator's dialogue and the command line.
#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "app/journee.hpp"
#include "jour/fichiers_jour.hpp"
#include "jour/validation.hpp"
#include "util/ecrivain_facture.hpp"

// The period of taxes of dateVente in the store's settings, null without periods; false, with
// its message, when the store has periods and dateVente is no day any of them covers.
bool trouverPeriode(const Magasin& magasin, const std::string& dateVente,
                    const PeriodeTaxes*& periode, std::ostream& messages);

// Opens the sales file "vente<dateVente>.txt" on entree (closed), noting its identity as it
// was before it was opened; false, with its message, when that file is absent or empty, or
// when the date holds a path separator.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente, IdentiteFichier& ventes,
                  std::ostream& messages);

// The date word of the head of the sales file open on entree, the sixth; false when the head
// holds fewer words. entree is then back at its start, as it was opened.
bool dateEntete(std::istream& entree, std::string& date);

// With the store's settings, a sales file open on entree whose head gives another day than
// dateVente (a file copied under another day's name) is refused, with its message: its taxes
// would be the typed day's and its invoices the other's, and the file closed; otherwise it is
// as it was opened.
// A head cut short is left to the day's reading to tell.
bool verifierEntete(std::ifstream& entree, const std::string& dateVente, const Magasin& magasin,
                    std::ostream& messages);

// With the sales file open (its identity ventes): writes the invoice file "facture
// <dateVente>.txt", with csv its journal "facture <dateVente>.csv" (the header alone for a day
// without invoice), with pdf the invoices as "facture <dateVente>.pdf", drawn as they are
// written (a day without invoice has no PDF), then closes the files and hands them to
// validation to be put in place. Which outputs a day leaves, and what is said of them, is the
// day's rule (jour/fichiers_jour.hpp). True when the sales file was read to its clean end and
// every file asked for written whole. dateFact keeps the date word of the last head read;
// bareme is the store's for that date.
bool facturerDate(std::ifstream& entree, const IdentiteFichier& ventes, EcrivainFacture& sortie,
                  const std::string& dateVente, std::string& dateFact, const Canaux& canaux,
                  Formats formats, const Bareme& bareme, Validation& validation);
