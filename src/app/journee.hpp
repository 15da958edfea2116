// One day's invoicing, from the opened sales file to the end of the summary.
#pragma once

#include <istream>
#include <ostream>
#include <string>

// Reads the head and every client of entree, writing the invoices and the summary to
// sortie and the file's date, or the no-purchase message, to console. dateFact keeps the
// last head word read, from this day or an earlier one.
void facturerJournee(std::istream& entree, std::ostream& sortie, std::ostream& console,
                     std::string& dateFact);
