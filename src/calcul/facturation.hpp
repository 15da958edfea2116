// Invoice arithmetic: discount rates, line and invoice figures, the day's totals.
// Every amount is a float; each formula is evaluated in double precision, in the order
// written, and rounded to float once, when stored: single precision throughout would
// now and then move a printed cent.
#pragma once

#include <string>
#include <string_view>

enum class CategorieClient { Membre, Vip, NonMembre };

// A category's discounts in whole percent: on the store's selection (the flag s), on the rest.
struct TauxCategorie {
    int selection;
    int autre;
};

// The discount table; the store's settings may change it.
struct TableRabais {
    TauxCategorie membre{20, 10};
    TauxCategorie vip{25, 20};
    TauxCategorie nonMembre{5, 0};
};

// The day's totals, in floats here or in exact cents (centimes.hpp). Counts are kept in 64
// bits: a day's sum of 32-bit quantities can pass 2^31.
template <class Montant>
struct TotauxJourEn {
    long long nbFactures = 0;
    long long nbArticles = 0;
    Montant montantAvantRabais{};
    Montant montantRabais{};
    Montant montantTaxes{};
    Montant montantTotal{};
    long long nbMembre = 0;
    long long nbVip = 0;
    long long nbNonMembre = 0;
};
using TotauxJour = TotauxJourEn<float>;

// The figures of the invoice being written, zero at the start of each client.
template <class Montant>
struct FactureEn {
    Montant sousTotalFacture{};  // after discounts, before taxes
    Montant rabaisFacture{};     // what the client saved
    long long nbArticleFacture = 0;
    Montant tps{};
    Montant tvq{};
    Montant totalFacture{};
};
using Facture = FactureEn<float>;

// Counts a finished invoice's client in its category.
template <class Montant>
void compterClient(TotauxJourEn<Montant>& totaux, CategorieClient categorie) {
    if (categorie == CategorieClient::Membre) {
        totaux.nbMembre += 1;
    } else if (categorie == CategorieClient::Vip) {
        totaux.nbVip += 1;
    } else {
        totaux.nbNonMembre += 1;
    }
}

struct LigneCalculee {
    float tauxRabais = 0.0f;  // percent
    float sousTotal = 0.0f;   // qty times prix
    float totalLigne = 0.0f;  // after the discount
};

// "membre" and "vip", exactly and in lower case; any other word is a non-member.
CategorieClient categorieClient(std::string_view type);

// The category's name in the journal: "membre", "vip" or "non-membre".
std::string_view nomCategorie(CategorieClient categorie);

// What a finished invoice's articles cost before their discounts.
float avantRabais(const Facture& facture);

// The discount percentage; only the lowercase flag s marks the store's selection.
int tauxRabais(const TableRabais& rabais, CategorieClient categorie, char sel);

// Computes one item line and adds it to the invoice (sub-total, savings, article count).
LigneCalculee ajouterLigne(Facture& facture, const TableRabais& rabais, CategorieClient categorie,
                           int qty, float prix, char sel);

// Computes tps, then tvq on the sub-total plus tps, then the total.
void calculerTaxes(Facture& facture);

// Adds a finished invoice to the day's totals and counts the client in its category.
void ajouterFacture(TotauxJour& totaux, const Facture& facture, CategorieClient categorie);
