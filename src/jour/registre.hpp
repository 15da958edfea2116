// What the folder keeps of the days invoiced: for each, the identity of the sales file its
// outputs were made from, so that a day counts as done only for the sales file as it is now.
// One small file, ".facturation-registre", written whole or not at all, and only when a day
// is put in place.
#pragma once

#include <map>
#include <string>

#include "util/console.hpp"

constexpr const char* nomRegistre = ".facturation-registre";

// A day put in place, its text always: the sales file as it was read, its count of invoices
// (a day without any has no PDF), and whether the PDF and the journal were made from it.
struct Trace {
    IdentiteFichier ventes;
    long long nbFactures = 0;
    bool pdf = false;
    bool journal = false;
};

// By the day's date as typed, JJ-MM-AAAA.
using Registre = std::map<std::string, Trace>;

// The register of the working directory; empty when there is none. A line that cannot be
// read is left out: its day is done again.
Registre lireRegistre();

// Writes registre as the register, through a temporary file flushed to the disk and put in
// place; the error, if any (the earlier register is then as it was).
std::error_code ecrireRegistre(const Registre& registre);
