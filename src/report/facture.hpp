// The invoice document: 79 columns, a header, one line per article, a footer ending with a
// page break. The printers compute nothing and write into the stream they are given;
// they leave it in fixed notation with two decimals, left-aligned after the header and
// right-aligned after a line or the footer. Amounts are floats, or exact cents when the
// store's settings have the day's taxes.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "report/champs.hpp"

// The header's labels by which the PDF's outline finds each invoice in the text, after the
// store's name.
constexpr std::string_view nomMagasin = "Magasin chez Mo-Tino";
constexpr std::string_view etiquetteNoFacture = "No : ";
constexpr std::string_view etiquetteClient = "Client : ";

// What the store's settings put on every invoice: its name, its address lines (one at
// least), its tax registration numbers (empty: no line) and its thank-you line. Texts are
// Windows-1252 bytes that fit their lines. The program's own store without settings.
struct Identite {
    std::string nom{nomMagasin};
    std::vector<std::string> adresse{"1200 rue des Ormes", "Montvallon, Qc", "(123) 555-0142"};
    std::string noTps;
    std::string noTvq;
    std::string merci = "Merci d'avoir magasine chez Mo-Tino";
};

// A day's texts of every invoice, laid out once: the store's heading, its taxes' labels
// (the program's own: "tps : ", "tvq : ") and its thank-you line, with their blanks.
struct TextesFacture {
    std::string nom;          // filled to the invoice number's field
    std::string adresse;      // the first line, filled to the date's field
    std::string suiteEntete;  // the further address lines, the numbers, the dashed rule
    std::string libelleTps;   // filled to the amount's field
    std::string libelleTvq;
    std::string finPied;  // the rule, the thank-you line, the rule, the page break
};

TextesFacture preparerTextes(const Identite& magasin, std::string_view libelleTps = "tps : ",
                             std::string_view libelleTvq = "tvq : ");

// Store heading, invoice number and date, client, column heading and rule (nine lines for
// the program's own store; one more for each further address line and registration number).
void ecrireEnteteFacture(std::ostream& flux, long long noFacture, std::string_view dateFact,
                         int noClient, std::string_view prenom, std::string_view nom);
void ecrireEnteteFacture(std::ostream& flux, const TextesFacture& magasin, long long noFacture,
                         std::string_view dateFact, int noClient, std::string_view prenom,
                         std::string_view nom);

// One article line; sel prints "oui" only for the lowercase letter s.
void ecrireLigneFacture(std::ostream& flux, int noArticle, std::string_view description, int qty,
                        float prix, float sousTotal, char sel, int tauxRabais, float totalLigne);
void ecrireLigneFacture(std::ostream& flux, int noArticle, std::string_view description, int qty,
                        Centimes prix, Centimes sousTotal, char sel, int tauxRabais,
                        Centimes totalLigne);

// The totals, the article count with the amount saved (unless exactly zero), the
// thank-you line, centred, and the page break.
void ecrirePiedFacture(std::ostream& flux, float sousTotalFacture, float tps, float tvq,
                       float totalFacture, long long nbArticleFacture, float rabaisFacture);
void ecrirePiedFacture(std::ostream& flux, const TextesFacture& textes, float sousTotalFacture,
                       float tps, float tvq, float totalFacture, long long nbArticleFacture,
                       float rabaisFacture);
void ecrirePiedFacture(std::ostream& flux, const TextesFacture& textes, Centimes sousTotalFacture,
                       Centimes tps, Centimes tvq, Centimes totalFacture,
                       long long nbArticleFacture, Centimes rabaisFacture);
