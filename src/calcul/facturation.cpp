#include "calcul/facturation.hpp"

namespace {

double enDouble(float valeur) {
    return static_cast<double>(valeur);
}

}  // namespace

CategorieClient categorieClient(std::string_view type) {
    if (type == "membre") return CategorieClient::Membre;
    if (type == "vip") return CategorieClient::Vip;
    return CategorieClient::NonMembre;
}

std::string_view nomCategorie(CategorieClient categorie) {
    if (categorie == CategorieClient::Membre) return "membre";
    return categorie == CategorieClient::Vip ? "vip" : "non-membre";
}

float avantRabais(const Facture& facture) {
    return static_cast<float>(enDouble(facture.sousTotalFacture) +
                              enDouble(facture.rabaisFacture));
}

int tauxRabais(const TableRabais& rabais, CategorieClient categorie, char sel) {
    const TauxCategorie& taux = categorie == CategorieClient::Membre ? rabais.membre
                                : categorie == CategorieClient::Vip  ? rabais.vip
                                                                     : rabais.nonMembre;
    return sel == 's' ? taux.selection : taux.autre;
}

LigneCalculee ajouterLigne(Facture& facture, const TableRabais& rabais, CategorieClient categorie,
                           int qty, float prix, char sel) {
    LigneCalculee ligne;
    // A whole percentage is exact as a float.
    ligne.tauxRabais = static_cast<float>(tauxRabais(rabais, categorie, sel));
    ligne.sousTotal = static_cast<float>(static_cast<double>(qty) * enDouble(prix));
    // The discount is taken from sousTotal and the rate each time it is needed, never
    // as a stored float: the savings add up the unrounded double.
    const double rabaisLigne = (enDouble(ligne.sousTotal) * enDouble(ligne.tauxRabais)) / 100.0;
    ligne.totalLigne = static_cast<float>(enDouble(ligne.sousTotal) - rabaisLigne);
    facture.sousTotalFacture =
        static_cast<float>(enDouble(facture.sousTotalFacture) + enDouble(ligne.totalLigne));
    facture.nbArticleFacture += qty;
    facture.rabaisFacture = static_cast<float>(rabaisLigne + enDouble(facture.rabaisFacture));
    return ligne;
}

void calculerTaxes(Facture& facture) {
    facture.tps = static_cast<float>(enDouble(facture.sousTotalFacture) * 0.06);
    facture.tvq =
        static_cast<float>((enDouble(facture.sousTotalFacture) + enDouble(facture.tps)) * 0.075);
    facture.totalFacture = static_cast<float>(
        (enDouble(facture.sousTotalFacture) + enDouble(facture.tps)) + enDouble(facture.tvq));
}

void ajouterFacture(TotauxJour& totaux, const Facture& facture, CategorieClient categorie) {
    totaux.nbFactures += 1;
    totaux.nbArticles += facture.nbArticleFacture;
    totaux.montantAvantRabais = static_cast<float>(
        (enDouble(totaux.montantAvantRabais) + enDouble(facture.sousTotalFacture)) +
        enDouble(facture.rabaisFacture));
    totaux.montantRabais =
        static_cast<float>(enDouble(totaux.montantRabais) + enDouble(facture.rabaisFacture));
    totaux.montantTaxes = static_cast<float>(
        (enDouble(totaux.montantTaxes) + enDouble(facture.tps)) + enDouble(facture.tvq));
    totaux.montantTotal =
        static_cast<float>(enDouble(totaux.montantTotal) + enDouble(facture.totalFacture));
    compterClient(totaux, categorie);
}
