// One day's invoicing, from the opened sales file to the end of the summary.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "app/journal_differe.hpp"
#include "app/lecteur.hpp"
#include "app/magasin.hpp"

// What the store's settings make of a day: its invoices' texts, its discount table and, for
// a day whose period of taxes they give, the taxes in exact cents (null: the program's own
// float arithmetic).
struct Bareme {
    const Magasin& magasin;
    const PeriodeTaxes* periode = nullptr;
};

// Reads the head and every client of entree, writing the invoices and the summary to
// sortie, their records to journal unless it is null, to console the file's date and the
// no-purchase message (its é written as eAigu), and to alertes, when a record cannot be
// read, a warning naming fichierVente and the line where reading stopped. Only clients read
// whole are invoiced: sortie must be able to go back to a position it told. dateFact keeps
// the last head word read, from this day or an earlier one. True when the file was read to
// its clean end. bareme is the store's; fenetre is the reader's window, lot the journal's batch
// (tests shrink both).
bool facturerJournee(std::istream& entree, std::ostream& sortie, std::ostream* journal,
                     std::ostream& console, std::ostream& alertes, const std::string& fichierVente,
                     std::string& dateFact, std::string_view eAigu, const Bareme& bareme,
                     std::size_t fenetre = tailleFenetre, std::size_t lot = tailleLot);
