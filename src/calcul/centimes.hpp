// Invoice arithmetic in exact cents, for a store whose settings give the day's taxes: every
// amount printed is the one added, so that each invoice and the day's summary add up, as a
// till's do. Each rounding is to the nearest cent, a half away from zero.
#pragma once

#include <limits>

#include "calcul/facturation.hpp"
#include "report/champs.hpp"

// Rates in thousandths of a percent: 9.975 % is 9975, the decimal exactly as written.
constexpr long long unitesParPourcent = 1000;

// One period's two taxes: tvq on the sub-total plus tps, or on the sub-total alone.
struct TauxTaxes {
    long long tps = 0;
    long long tvq = 0;
    bool tvqSurTps = false;
};

using FactureCentimes = FactureEn<Centimes>;

struct LigneCentimes {
    int tauxRabais = 0;  // percent
    Centimes sousTotal = 0;
    Centimes totalLigne = 0;
};

// The day's totals: the sums of the invoices' printed amounts.
using TotauxJourCentimes = TotauxJourEn<Centimes>;

// numerateur / diviseur (positive), rounded to the nearest integer, a half away from zero.
// Inline, so that a constant divisor costs no division.
template <class Entier>
Entier diviserArrondiEn(Entier numerateur, Entier diviseur) {
    const Entier quotient = numerateur / diviseur;
    const Entier reste = numerateur % diviseur;
    if (2 * (reste < 0 ? -reste : reste) < diviseur) return quotient;
    return numerateur < 0 ? quotient - 1 : quotient + 1;
}

inline long long diviserArrondi(long long numerateur, long long diviseur) {
    return diviserArrondiEn(numerateur, diviseur);
}

inline Centimes diviserArrondi(Centimes numerateur, Centimes diviseur) {
    // Nearly every amount fits 64 bits, whose division costs a fraction of the 128-bit one.
    constexpr Centimes limite = std::numeric_limits<long long>::max() / 2;
    if (numerateur <= limite && numerateur >= -limite && diviseur <= limite) {
        return diviserArrondiEn(static_cast<long long>(numerateur),
                                static_cast<long long>(diviseur));
    }
    return diviserArrondiEn(numerateur, diviseur);
}

// What a finished invoice's articles cost before their discounts.
Centimes avantRabais(const FactureCentimes& facture);

// One item line: its sub-total qty times prix, its discount rounded on its own, its total the
// difference; adds it to the invoice.
LigneCentimes ajouterLigne(FactureCentimes& facture, const TableRabais& rabais,
                           CategorieClient categorie, int qty, long long prix, char sel);

// tps on the sub-total, tvq on its base, each rounded; the total is their sum.
void calculerTaxes(FactureCentimes& facture, const TauxTaxes& taux);

// Adds a finished invoice to the day's totals and counts the client in its category.
void ajouterFacture(TotauxJourCentimes& totaux, const FactureCentimes& facture,
                    CategorieClient categorie);
