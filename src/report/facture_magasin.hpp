// The store's invoice, for a store whose settings give its taxes: 79 columns, every field in
// its own column and always a blank from the next, amounts in exact cents. A description
// wider than its column goes on below, in that column. The day's summary keeps the program's
// lines, each figure a blank from its label.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/centimes.hpp"
#include "report/champs.hpp"

// What the store's settings put on every invoice: its name, its address lines (one at
// least), its tax registration numbers (empty: no line) and its thank-you line. Texts are
// Windows-1252 bytes that fit their lines.
struct Identite {
    std::string nom = "Magasin chez Mo-Tino";
    std::vector<std::string> adresse{"1200 rue des Ormes", "Montvallon, Qc", "(123) 555-0142"};
    std::string noTps;
    std::string noTvq;
    std::string merci = "Merci d'avoir magasine chez Mo-Tino";
};

// A day's constant texts, laid out once: the head's lines after the first two, the column
// heading and its rule, the taxes' labels ("tps (5 %) :") and the end of the footer.
struct TextesMagasin {
    std::string nom;
    std::string adresse;      // the first line, beside the date
    std::string suiteEntete;  // the further address lines, the numbers, the dashed rule
    std::string titres;       // the column heading and its rule
    // The footer's labels, each filled so that its figure's column follows: sous-total, tps,
    // tvq, total, the article count, the savings.
    std::string libelles[6];
    std::string finPied;           // the rule, the thank-you line, the rule, the page break
    std::size_t lignesEntete = 0;  // of the head, the column heading's rule included
};

TextesMagasin preparerTextesMagasin(const Identite& magasin, std::string_view libelleTps,
                                    std::string_view libelleTvq);

// One item line's figures, as computed in cents.
struct LigneMagasin {
    int noArticle = 0;
    std::string_view description;
    int qty = 0;
    Centimes prix = 0;
    Centimes sousTotal = 0;
    char sel = ' ';  // "oui" only for the lowercase s
    int tauxRabais = 0;
    Centimes totalLigne = 0;
};

// The store, the invoice number and date, the client, the column heading.
void ecrireEnteteMagasin(std::ostream& flux, const TextesMagasin& textes, long long noFacture,
                         std::string_view dateFact, int noClient, std::string_view prenom,
                         std::string_view nom);

// One item: its numbers on its first line, its description over as many lines as it needs.
void ecrireLigneMagasin(std::ostream& flux, const LigneMagasin& ligne);

// The totals, each on its line, the article count, the savings (unless zero), the thank-you
// line and the page break.
void ecrirePiedMagasin(std::ostream& flux, const TextesMagasin& textes,
                       const FactureCentimes& facture);

// The day's summary: the program's fourteen lines, every figure at least a blank from its
// label.
void ecrireSommaireMagasin(std::ostream& flux, std::string_view dateFact,
                           const TotauxJourCentimes& totaux);
