#include "facturation.hpp"

namespace {

double d(float valeur) {
    return static_cast<double>(valeur);
}

}  // namespace

CategorieClient categorieClient(const std::string& type) {
    if (type == "membre") return CategorieClient::Membre;
    if (type == "vip") return CategorieClient::Vip;
    return CategorieClient::NonMembre;
}

float tauxRabais(CategorieClient categorie, char sel) {
    const bool selection = sel == 's';
    switch (categorie) {
        case CategorieClient::Membre:
            return selection ? 20.0f : 10.0f;
        case CategorieClient::Vip:
            return selection ? 25.0f : 20.0f;
        case CategorieClient::NonMembre:
            break;
    }
    return selection ? 5.0f : 0.0f;
}

LigneCalculee ajouterLigne(Facture& facture, CategorieClient categorie, int qty, float prix,
                           char sel) {
    LigneCalculee ligne;
    ligne.tauxRabais = tauxRabais(categorie, sel);
    ligne.sousTotal = static_cast<float>(static_cast<double>(qty) * d(prix));
    // The discount is taken from sousTotal and the rate each time it is needed, never
    // as a stored float: the savings add up the unrounded double.
    const double rabais = (d(ligne.sousTotal) * d(ligne.tauxRabais)) / 100.0;
    ligne.totalLigne = static_cast<float>(d(ligne.sousTotal) - rabais);
    facture.sousTotalFacture =
        static_cast<float>(d(facture.sousTotalFacture) + d(ligne.totalLigne));
    facture.nbArticleFacture += qty;
    facture.rabaisFacture = static_cast<float>(rabais + d(facture.rabaisFacture));
    return ligne;
}

void calculerTaxes(Facture& facture) {
    facture.tps = static_cast<float>(d(facture.sousTotalFacture) * 0.06);
    facture.tvq = static_cast<float>((d(facture.sousTotalFacture) + d(facture.tps)) * 0.075);
    facture.totalFacture =
        static_cast<float>((d(facture.sousTotalFacture) + d(facture.tps)) + d(facture.tvq));
}

void ajouterFacture(TotauxJour& totaux, const Facture& facture, CategorieClient categorie) {
    totaux.nbFactures += 1;
    totaux.nbArticles += facture.nbArticleFacture;
    totaux.montantAvantRabais = static_cast<float>(
        (d(totaux.montantAvantRabais) + d(facture.sousTotalFacture)) + d(facture.rabaisFacture));
    totaux.montantRabais = static_cast<float>(d(totaux.montantRabais) + d(facture.rabaisFacture));
    totaux.montantTaxes =
        static_cast<float>((d(totaux.montantTaxes) + d(facture.tps)) + d(facture.tvq));
    totaux.montantTotal = static_cast<float>(d(totaux.montantTotal) + d(facture.totalFacture));
    switch (categorie) {
        case CategorieClient::Membre:
            totaux.nbMembre += 1;
            break;
        case CategorieClient::Vip:
            totaux.nbVip += 1;
            break;
        case CategorieClient::NonMembre:
            totaux.nbNonMembre += 1;
            break;
    }
}
