// The invoice and summary printers, and the whole invoice file of the example day.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iomanip>
#include <random>
#include <sstream>

#include "champs.hpp"
#include "facture.hpp"
#include "session.hpp"
#include "sommaire.hpp"

namespace {

std::string fichier(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << entree.rdbuf();
    return contenu.str();
}

const std::string regle = "    " + std::string(71, '=') + "\n";
const std::string finFacture =
    regle + std::string(21, ' ') + "Merci d'avoir magasine chez Mo-Tino\n" + regle + "\f\n\n";

std::string sommaire(long long nbFactures, long long nbArticles, long long membres, long long vips,
                     long long autres) {
    std::ostringstream flux;
    ecrireSommaire(flux, "01-02-2003", nbFactures, nbArticles, 0.125f, 10.125f, 0.0f, 1e9f,
                   membres, vips, autres);
    return flux.str();
}

}  // namespace

TEST(FichierFacture, journeeExempleOctetPourOctet) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", fichier(EXEMPLES_DIR "/vente28-02-2012.txt"));
    const Resultat resultat = lancerAvecTube(dossier, "28-02-2012\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_MEMES_OCTETS(fichier(DONNEES_DIR "/facture 28-02-2012.txt"),
                        dossier.lire("facture 28-02-2012.txt"));
}

TEST(FichierFacture, secondRapportNumeroteDeZero) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", fichier(EXEMPLES_DIR "/vente28-02-2012.txt"));
    dossier.ecrire("venteJ2.txt", "a b c d e J2\n5 Paul Autre vip 1\n9 gant 2 10.00 s\n");
    lancerAvecTube(dossier, "28-02-2012\nO\nJ2\nN\n\n");
    const std::string facture = dossier.lire("facture J2.txt");
    EXPECT_EQ(facture.substr(0, 79), "Magasin chez Mo-Tino" + std::string(53, ' ') + "No : 0");
    EXPECT_NE(facture.find("Nombre de factures :             1\n"), std::string::npos);
    EXPECT_NE(facture.find("Montant total des rabais :        5.00 $\n"), std::string::npos);
    EXPECT_NE(facture.find("Clients VIP :         100 %\n"), std::string::npos);
}

TEST(Impression, facturesSansArticleEtChampsDebordes) {
    std::ostringstream flux;
    ecrireEnteteFacture(flux, 10, "1-1-2000", 7, "A", "B");
    ecrireLigneFacture(flux, 123456789, "quatorzeLettre", 10, 1000000.0f, -2.5f, 'S', 0, 12.0f);
    ecrirePiedFacture(flux, 0.0f, 0.0f, 0.0f, 0.0f, 0, 0.0f);
    const std::string attendu =
        "Magasin chez Mo-Tino" + std::string(50, ' ') + "   No : 10\n" + "1200 rue des Ormes" +
        std::string(51, ' ') + " 1-1-2000\n" + "Montvallon, Qc\n(123) 555-0142\n" +
        std::string(79, '-') + "\nClient : 7              A B\n\n" +
        "    No.Art. Description  Qty    Prix  Sous-Total  Selection   Rabais  Total\n" + regle +
        "    123456789quatorzeLettre101000000.00$    -2.50$      non        0%   12.00$\n" + "\n" +
        std::string(46, ' ') + "sous-total : " + std::string(11, ' ') + "0.00$\n" +
        std::string(53, ' ') + "tps : " + std::string(11, ' ') + "0.00$\n" + std::string(53, ' ') +
        "tvq : " + std::string(11, ' ') + "0.00$\n" + std::string(51, ' ') +
        "total : " + std::string(11, ' ') + "0.00$\n\n" +
        " Nb. d'article sur la facture :    0\n" + finFacture;
    EXPECT_MEMES_OCTETS(attendu, flux.str());
}

TEST(Impression, economieEtEgalitesADeuxCentiemes) {
    std::ostringstream flux;
    // A 5 % discount on 2.50: 0.125 and 2.375 are exact ties, printed to the even hundredth.
    ecrireLigneFacture(flux, 1, "x", 1, 2.5f, 2.5f, 's', 5, 2.375f);
    EXPECT_EQ(flux.str(),
              "    1       x             1     2.50$     2.50$      oui        5%"
              "    2.38$\n");
    std::ostringstream pied;
    ecrirePiedFacture(pied, 2.375f, 1000000.0f, 0.0f, 123456789.0f, 1, 0.001f);
    const std::string texte = pied.str();
    EXPECT_NE(texte.find("sous-total :            2.38$\n"), std::string::npos);
    EXPECT_NE(texte.find("tps :      1000000.00$\n"), std::string::npos);
    EXPECT_NE(texte.find("total :    123456792.00$\n"), std::string::npos);
    // 0.001 is not zero: the sentence appears, with 0.00.
    EXPECT_NE(texte.find(" Nb. d'article sur la facture :    1Aujourd'hui, vous avez "
                         "\xE9pargn\xE9 :     0.00$\n"),
              std::string::npos);
}

TEST(Impression, sommaireMoyenneEtParts) {
    const std::string texte = sommaire(3, 8, 2, 1, 0);
    const std::string attendu = std::string(21, ' ') + "Sommaire des factures du 01-02-2003\n" +
                                std::string(21, ' ') + std::string(35, '=') + "\n\n" +
                                "                      Nombre de factures :             3\n" +
                                "            Moyenne d'article par client :             2\n\n" +
                                " Montant total des factures avant rabais :        0.12 $\n" +
                                "                Montant total des rabais :       10.12 $\n" +
                                "                 Montant total des taxes :        0.00 $\n" +
                                "      Montant total avec rabais et taxes :1000000000.00 $\n\n" +
                                "                          Clients membre :          66 %\n" +
                                "                             Clients VIP :          33 %\n" +
                                "                      Clients Non-membre :           0 %\n";
    EXPECT_MEMES_OCTETS(attendu, texte);
    EXPECT_NE(sommaire(3, 7, 1, 1, 1).find("membre :          33 %\n"), std::string::npos);
    EXPECT_NE(sommaire(3, -7, 1, 1, 1).find("client :            -2\n"), std::string::npos);
    // Counts past 2^31 once multiplied by 100 still give the true share.
    EXPECT_NE(sommaire(3000000000LL, 0, 3000000000LL, 0, 0).find("membre :         100 %\n"),
              std::string::npos);
    const std::string zero = sommaire(0, 5, 0, 0, 0);
    EXPECT_NE(zero.find("client :             0\n"), std::string::npos);
    EXPECT_NE(zero.find("Non-membre :           0 %\n"), std::string::npos);
}

TEST(Impression, etatDuFluxLaisseParChaqueImprimante) {
    std::ostringstream flux;
    flux << std::scientific << std::setprecision(7) << std::left;
    ecrireSommaire(flux, "d", 1, 1, 1.0f, 1.0f, 1.0f, 1.0f, 1, 0, 0);
    EXPECT_NE(flux.str().find("de factures :             1\n"), std::string::npos);
    const auto etat = [&] {
        std::ostringstream apres;
        apres.copyfmt(flux);
        apres << std::setw(6) << 1.5f << '|';
        return apres.str();
    };
    EXPECT_EQ(etat(), "  1.50|");
    ecrireEnteteFacture(flux, 0, "d", 1, "p", "n");
    EXPECT_EQ(etat(), "1.50  |");
    ecrireLigneFacture(flux, 1, "d", 1, 1.0f, 1.0f, 's', 5, 1.0f);
    EXPECT_EQ(etat(), "  1.50|");
    flux << std::left;
    ecrirePiedFacture(flux, 1.0f, 1.0f, 1.0f, 1.0f, 1, 0.0f);
    EXPECT_EQ(etat(), "  1.50|");
}

TEST(Impression, montantsCommeLeFluxLesEcrirait) {
    std::mt19937 hasard(2012);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> centimes(-2000000, 2000000);
    for (int i = 0; i < 200000; ++i) {
        float valeur = 0.0f;
        if (i % 2 == 0) {
            const std::uint32_t motif = bits(hasard);
            std::memcpy(&valeur, &motif, sizeof valeur);
        } else {
            valeur = static_cast<float>(centimes(hasard)) / 8.0f;  // many exact ties
        }
        std::ostringstream flux;
        flux << std::fixed << std::setprecision(2) << std::setw(12) << valeur;
        std::string texte;
        ajouterMontant(texte, valeur, 12);
        ASSERT_EQ(flux.str(), texte) << valeur;
    }
}
