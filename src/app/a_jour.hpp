// The days a scheduled run has to do: those of the store's folder not invoiced since their
// sales file last changed, so that a run late, twice or after a week off invoices each day
// once, from its own sales file.
#pragma once

#include <string>
#include <vector>

// Every date JJ-MM-AAAA, a day of the calendar, whose sales file "vente<date>.txt" is a file
// of dossier and whose invoice file is absent or older than it; with pdf, also one whose PDF
// is (a day without invoice, its invoice file empty, has none); with csv, one whose journal
// is. In the order of the dates; every other file is ignored.
std::vector<std::string> joursEnRetard(const std::string& dossier, bool pdf, bool csv);
