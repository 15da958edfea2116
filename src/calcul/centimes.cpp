#include "calcul/centimes.hpp"

namespace {

// A tax rate in thousandths of a percent, as a fraction: rate / 100000.
constexpr Centimes diviseurTaxe = Centimes{100} * unitesParPourcent;

}  // namespace

Centimes avantRabais(const FactureCentimes& facture) {
    return facture.sousTotalFacture + facture.rabaisFacture;
}

LigneCentimes ajouterLigne(FactureCentimes& facture, const TableRabais& rabais,
                           CategorieClient categorie, int qty, long long prix, char sel) {
    LigneCentimes ligne;
    ligne.tauxRabais = tauxRabais(rabais, categorie, sel);
    // A price below a million dollars: the sub-total of a line fits 64 bits, and so does its
    // product by a rate of at most 100 unless the quantity is extreme.
    const long long sousTotal = static_cast<long long>(qty) * prix;
    constexpr long long limite = std::numeric_limits<long long>::max() / 100;
    const Centimes rabaisLigne = sousTotal <= limite && sousTotal >= -limite
                                     ? diviserArrondi(sousTotal * ligne.tauxRabais, 100)
                                     : diviserArrondi(Centimes{sousTotal} * ligne.tauxRabais, 100);
    ligne.sousTotal = sousTotal;
    ligne.totalLigne = ligne.sousTotal - rabaisLigne;
    facture.sousTotalFacture += ligne.totalLigne;
    facture.rabaisFacture += rabaisLigne;
    facture.nbArticleFacture += qty;
    return ligne;
}

void calculerTaxes(FactureCentimes& facture, const TauxTaxes& taux) {
    facture.tps = diviserArrondi(facture.sousTotalFacture * taux.tps, diviseurTaxe);
    const Centimes base = facture.sousTotalFacture + (taux.tvqSurTps ? facture.tps : 0);
    facture.tvq = diviserArrondi(base * taux.tvq, diviseurTaxe);
    facture.totalFacture = facture.sousTotalFacture + facture.tps + facture.tvq;
}

void ajouterFacture(TotauxJourCentimes& totaux, const FactureCentimes& facture,
                    CategorieClient categorie) {
    totaux.nbFactures += 1;
    totaux.nbArticles += facture.nbArticleFacture;
    totaux.montantAvantRabais += avantRabais(facture);
    totaux.montantRabais += facture.rabaisFacture;
    totaux.montantTaxes += facture.tps + facture.tvq;
    totaux.montantTotal += facture.totalFacture;
    compterClient(totaux, categorie);
}
