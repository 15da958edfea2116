// The summary of the day, written after the last invoice.
#pragma once

#include <ostream>
#include <string_view>

#include "report/champs.hpp"

// The summary's title, before its date; the PDF's outline finds the summary by it.
constexpr std::string_view titreSommaire = "Sommaire des factures du ";

// Fourteen lines: the date, the invoice count, the average articles per client (truncated),
// the four money totals and each category's share in percent (truncated,
// so three equal shares make 99). With no invoice the average and shares are written as 0. Leaves
// the stream in fixed notation, two decimals, right-aligned.
void ecrireSommaire(std::ostream& flux, std::string_view dateFact, long long nbFactures,
                    long long nbArticles, float montantAvantRabais, float montantRabais,
                    float montantTaxes, float montantTotal, long long nbMembre, long long nbVip,
                    long long nbNonMembre);
