// The days a scheduled run has to do: those of the store's folder not done from their sales
// file as it is now, so that a run late, twice or after a week off invoices each day once,
// from its own sales file.
#pragma once

#include <string>
#include <vector>

#include "jour/fichiers_jour.hpp"

// Every date JJ-MM-AAAA, a day of the calendar, whose sales file "vente<date>.txt" is a file
// of the working directory and which is not done for that file (estFait), with the outputs
// formats asks for. In the order of the dates. A file whose name looks like a sales file's
// (vente... .txt, in any case) but names no day is put in douteux, in the order of the names,
// for the operator to hear of: the day he thinks is invoiced is not.
std::vector<std::string> joursEnRetard(Formats formats, std::vector<std::string>& douteux);

// What is said of such a file.
std::string ligneDouteux(const std::string& nom);
