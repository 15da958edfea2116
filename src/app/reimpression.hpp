// One invoice of a day printed again, for a client who lost it or wants it by e-mail.
#pragma once

#include <ostream>
#include <string>

#include "app/journee.hpp"
#include "magasin/magasin.hpp"

// Invoices the day dateVente from its sales file, as a report would, and writes invoice
// noFacture (the number its head shows) alone: as "facture <dateVente> no <N>.pdf", drawn
// as the day's PDF draws it, with pdf, or as "facture <dateVente> no <N>.txt". Nothing else
// is written or changed. Status 0 when the invoice was written whole from a sales file read
// to its clean end; 1 otherwise (a day the sales file does not give, a number it does not
// have, a damaged day, a file that could not be written), each said on canaux.messages.
int reimprimer(const std::string& dateVente, long long noFacture, bool pdf, const Magasin& magasin,
               const Canaux& canaux);

// The reprint's file name.
std::string nomReimpression(const std::string& dateVente, long long noFacture, bool pdf);
