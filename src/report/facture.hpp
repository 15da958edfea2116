// The invoice document: 79 columns, a header, one line per article, a footer ending with a
// page break. The printers compute nothing and write into the stream they are given;
// they leave it in fixed notation with two decimals, left-aligned after the header and
// right-aligned after a line or the footer. The store is the program's own, amounts floats.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "report/champs.hpp"

// The header's labels by which the PDF's outline finds each invoice in the text, after the
// store's name; the store's own invoices have them too.
constexpr std::string_view nomMagasin = "Magasin chez Mo-Tino";
constexpr std::string_view etiquetteNoFacture = "No : ";
constexpr std::string_view etiquetteClient = "Client : ";

// Store heading, invoice number and date, client, column heading and rule: nine lines.
constexpr std::size_t lignesEnteteFacture = 9;
void ecrireEnteteFacture(std::ostream& flux, long long noFacture, std::string_view dateFact,
                         int noClient, std::string_view prenom, std::string_view nom);

// One article line; sel prints "oui" only for the lowercase letter s.
void ecrireLigneFacture(std::ostream& flux, int noArticle, std::string_view description, int qty,
                        float prix, float sousTotal, char sel, int tauxRabais, float totalLigne);

// The totals, the article count with the amount saved (unless exactly zero), the
// thank-you line, centred, and the page break.
void ecrirePiedFacture(std::ostream& flux, float sousTotalFacture, float tps, float tvq,
                       float totalFacture, long long nbArticleFacture, float rabaisFacture);
