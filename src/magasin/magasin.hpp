// The store's settings, from its file "magasin.toml": the invoices' heading and thank-you
// line, the discount table, and the taxes of each period. Without the file every value is
// the program's own, and so is the float arithmetic of the taxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calcul/centimes.hpp"
#include "calcul/facturation.hpp"
#include "calendrier/calendrier.hpp"
#include "report/facture_magasin.hpp"

// The settings file looked for in the working directory.
constexpr const char* fichierMagasinUsuel = "magasin.toml";

// The taxes from a day on, and their labels in the invoice's footer, "tps (5 %) :".
struct PeriodeTaxes {
    Jour depuis = 0;
    TauxTaxes taux;
    std::string libelleTps;
    std::string libelleTvq;
};

struct Magasin {
    std::string fichier;  // the settings file, for the messages; empty: none
    Identite identite;
    TableRabais rabais;
    std::vector<PeriodeTaxes> taxes;  // by depuis; one at least once read from a file
};

// Reads the settings file into magasin; without one (absent and not required), keeps the
// program's own values. False, with erreur ("le fichier "...", ligne N : ..."), when the file
// cannot be read or holds a key, a table or a value it may not.
// Only a regular file of at most 1 MiB is read; a message shows control characters as '?'.
bool lireMagasin(const std::string& fichier, bool exige, Magasin& magasin, std::string& erreur);

// The same from the file's bytes, contenu, read from fichier.
bool lireReglagesTexte(const std::string& contenu, const std::string& fichier, Magasin& magasin,
                       std::string& erreur);

// The period of taxes of the date dateVente, null without periods in the settings; false,
// with erreur, when the store has periods and dateVente is no day any of them covers.
bool periodeDuJour(const Magasin& magasin, const std::string& dateVente,
                   const PeriodeTaxes*& periode, std::string& erreur);
