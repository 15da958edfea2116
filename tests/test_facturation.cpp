// The precision of each formula. Every input here was found by search: evaluated in single
// precision, or with an intermediate rounded to float, it prints the cent in the comment.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "calcul/facturation.hpp"
#include "report/champs.hpp"

namespace {

std::string cents(float valeur) {
    std::vector<char> memoire;
    Bloc texte = commencerBloc(memoire, tailleNombre);
    ajouterMontant(texte, valeur, 0);
    return std::string(texte.debut, texte.fin);
}

// Lines for a member, unselected (10 %): one line alone, or an invoice of qty units at each price.
LigneCalculee ligne(int qty, float prix) {
    Facture facture;
    return ajouterLigne(facture, TableRabais{}, CategorieClient::Membre, qty, prix, 'n');
}
Facture lignes(std::initializer_list<float> prix, int qty) {
    Facture facture;
    for (const float p : prix)
        ajouterLigne(facture, TableRabais{}, CategorieClient::Membre, qty, p, 'n');
    return facture;
}

Facture taxes(float sousTotal) {
    Facture facture{sousTotal};
    calculerTaxes(facture);
    return facture;
}

}  // namespace

TEST(Facturation, chaqueFormuleEnDoublePuisArrondieUneFois) {
    EXPECT_EQ(cents(ligne(16777217, 3.0f).sousTotal), "50331652.00");   // 50331648.00
    EXPECT_EQ(cents(ligne(1, 0.45f).totalLigne), "0.41");               // 0.40
    EXPECT_EQ(cents(ligne(1, 0.95f).totalLigne), "0.86");               // 0.85
    EXPECT_EQ(cents(lignes({0.15f}, 1).rabaisFacture), "0.02");         // 0.01
    EXPECT_EQ(cents(lignes({0.01f, 0.14f}, 1).rabaisFacture), "0.01");  // 0.02
    EXPECT_EQ(cents(taxes(0.75f).tps), "0.05");                         // 0.04
    EXPECT_EQ(cents(taxes(570.0f).tvq), "45.31");                       // 45.32
    EXPECT_EQ(cents(taxes(30.0f).totalFacture), "34.19");               // 34.18

    TotauxJour jour{0, 0, 100000.0f, 0.0f, 100000.0f};
    ajouterFacture(jour, Facture{0.003f, 0.003f, 0, 0.003f, 0.003f}, CategorieClient::Membre);
    EXPECT_EQ(cents(jour.montantAvantRabais), "100000.01");  // 100000.00
    EXPECT_EQ(cents(jour.montantTaxes), "100000.01");        // 100000.00
    ajouterFacture(jour, lignes({1.0f, 1.0f}, INT_MAX), CategorieClient::Membre);
    EXPECT_EQ(jour.nbArticles, 2LL * INT_MAX);  // no wrap past 2^31
}
