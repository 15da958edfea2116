// Invoice arithmetic: rates, the precision of each step, taxes and the day's totals.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "champs.hpp"
#include "facturation.hpp"

namespace {

std::string deuxDecimales(float valeur) {
    std::string texte;
    ajouterMontant(texte, valeur, 0);
    return texte;
}

}  // namespace

TEST(Facturation, categoriesEtTaux) {
    EXPECT_EQ(categorieClient("membre"), CategorieClient::Membre);
    EXPECT_EQ(categorieClient("vip"), CategorieClient::Vip);
    EXPECT_EQ(categorieClient("Membre"), CategorieClient::NonMembre);
    EXPECT_EQ(categorieClient("VIP"), CategorieClient::NonMembre);
    EXPECT_EQ(categorieClient("client"), CategorieClient::NonMembre);
    EXPECT_EQ(tauxRabais(CategorieClient::Membre, 's'), 20.0f);
    EXPECT_EQ(tauxRabais(CategorieClient::Membre, 'S'), 10.0f);
    EXPECT_EQ(tauxRabais(CategorieClient::Vip, 's'), 25.0f);
    EXPECT_EQ(tauxRabais(CategorieClient::Vip, 'n'), 20.0f);
    EXPECT_EQ(tauxRabais(CategorieClient::NonMembre, 's'), 5.0f);
    EXPECT_EQ(tauxRabais(CategorieClient::NonMembre, 'S'), 0.0f);
}

TEST(Facturation, chaqueEtapeEnDoublePuisArrondieUneFois) {
    // 6 selected items at 248.46 for a non-member: single precision throughout gives 1613.78.
    Facture facture;
    const LigneCalculee ligne = ajouterLigne(facture, CategorieClient::NonMembre, 6, 248.46f, 's');
    calculerTaxes(facture);
    EXPECT_EQ(deuxDecimales(ligne.sousTotal), "1490.76");
    EXPECT_EQ(deuxDecimales(ligne.totalLigne), "1416.22");
    EXPECT_EQ(deuxDecimales(facture.rabaisFacture), "74.54");
    EXPECT_EQ(deuxDecimales(facture.tps), "84.97");
    EXPECT_EQ(deuxDecimales(facture.tvq), "112.59");
    EXPECT_EQ(deuxDecimales(facture.totalFacture), "1613.79");
    EXPECT_EQ(facture.nbArticleFacture, 6);

    // tvq is levied on the sub-total plus tps.
    Facture cent;
    ajouterLigne(cent, CategorieClient::NonMembre, 1, 100.0f, 'n');
    calculerTaxes(cent);
    EXPECT_EQ(deuxDecimales(cent.tps), "6.00");
    EXPECT_EQ(deuxDecimales(cent.tvq), "7.95");
    EXPECT_EQ(deuxDecimales(cent.totalFacture), "113.95");
    EXPECT_EQ(cent.rabaisFacture, 0.0f);

    // The savings add up the unrounded discount, not sousTotal - totalLigne.
    Facture membre;
    ajouterLigne(membre, CategorieClient::Membre, 2, 19.99f, 's');
    ajouterLigne(membre, CategorieClient::Membre, 1, 39.50f, 'n');
    calculerTaxes(membre);
    EXPECT_EQ(membre.rabaisFacture,
              static_cast<float>(39.98f * 20.0 / 100.0 + 39.5 * 10.0 / 100.0));
    EXPECT_EQ(deuxDecimales(membre.totalFacture), "76.95");
}

TEST(Facturation, totauxDuJourEtGrandesQuantites) {
    // The example day is checked whole against its invoice file; here what it does not show.
    TotauxJour totaux;
    Facture vide;  // a client without items still counts, in its category
    calculerTaxes(vide);
    EXPECT_EQ(vide.totalFacture, 0.0f);
    ajouterFacture(totaux, vide, CategorieClient::NonMembre);
    Facture f;
    ajouterLigne(f, CategorieClient::Vip, 1, 120.00f, 'n');
    calculerTaxes(f);
    ajouterFacture(totaux, f, CategorieClient::Vip);
    EXPECT_EQ(totaux.nbFactures, 2);
    EXPECT_EQ(totaux.nbArticles, 1);
    EXPECT_EQ(deuxDecimales(totaux.montantAvantRabais), "120.00");
    EXPECT_EQ(deuxDecimales(totaux.montantTaxes), "13.39");
    EXPECT_EQ(totaux.nbVip + totaux.nbNonMembre, 2);
    EXPECT_EQ(totaux.nbMembre, 0);

    // Quantities near 2^31 add up without wrapping.
    Facture grande;
    ajouterLigne(grande, CategorieClient::NonMembre, INT_MAX, 1.0f, 'n');
    ajouterLigne(grande, CategorieClient::NonMembre, INT_MAX, 1.0f, 'n');
    EXPECT_EQ(grande.nbArticleFacture, 2LL * INT_MAX);
    TotauxJour jour;
    ajouterFacture(jour, grande, CategorieClient::NonMembre);
    ajouterFacture(jour, grande, CategorieClient::NonMembre);
    EXPECT_EQ(jour.nbArticles, 4LL * INT_MAX);
}
