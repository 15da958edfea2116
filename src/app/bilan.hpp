// A period's report for the tax return: each day of a range read as its invoicing reads it,
// its invoices' figures added as they print, into "bilan <debut> au <fin>.txt" (and ".csv").
#pragma once

#include <ostream>
#include <string>

#include "magasin/magasin.hpp"

// The report's file name for the range debut to fin (JJ-MM-AAAA), with its extension.
std::string nomBilan(const std::string& debut, const std::string& fin, const char* extension);

// Writes the report of the days debut to fin (JJ-MM-AAAA, calendar days, debut first), each
// output whole or untouched, with csv its spreadsheet's file too, and the return's three
// lines on console. Reads each day's sales file of the working directory with the store's
// settings, writes nothing else. Status 0 when every day with a sales file is invoiced from
// it, read whole and clean; 1 when one is not (each said on erreurs), or when a file could
// not be written.
int faireBilan(const std::string& debut, const std::string& fin, bool csv, const Magasin& magasin,
               std::ostream& console, std::ostream& erreurs);
