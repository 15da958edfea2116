// The store's settings: every refusal names its line; rates are the exact decimals written;
// the cents' rounding and the calendar, where one wrong case is a wrong invoice.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "calcul/centimes.hpp"
#include "magasin/magasin.hpp"
#include "ventes/lecteur.hpp"

namespace {

// Each test its own file: ctest runs them side by side.
std::string nomFichier() {
    return testing::TempDir() + "magasin-" +
           testing::UnitTest::GetInstance()->current_test_info()->name() + ".toml";
}

const std::string periode = "depuis = 2013-01-01\ntps = 5\ntvq = 9.975\ntvq_sur_tps = false\n";

// Settings that say nothing of the taxes are given a period after their last line, which
// every store's settings need.
bool lire(const std::string& texte, Magasin& magasin, std::string& erreur) {
    const std::string fichier = nomFichier();
    std::ofstream(fichier, std::ios::binary)
        << texte << (texte.find("taxes") == std::string::npos ? "\n[[taxes]]\n" + periode : "");
    return lireMagasin(fichier, true, magasin, erreur);
}

}  // namespace

TEST(Magasin, chaqueRefusNommeSaLigne) {
    const std::string fichier = nomFichier();
    const std::string mauvaisTps =
        "ligne 2 : \"no_tps\" doit s'ecrire 9 chiffres, RT et 4 chiffres, des blancs entre eux "
        "ou non, comme \"999999999 RT 0001\"";
    const std::string mauvaisTaux =
        " doit etre un pourcentage de 0 a moins de 100, a 3 "
        "decimales au plus, comme 9.975";
    const std::pair<std::string, std::string> refus[] = {
        {"[magasin]\nnom = \"\"", "ligne 2 : \"nom\" doit avoir de 1 a 60 colonnes (il en a 0)"},
        {"[magasin]\n\nnom = \"" + std::string(61, 'n') + "\"",
         "ligne 3 : \"nom\" doit avoir de 1 a 60 colonnes (il en a 61)"},
        {"[magasin]\nnom = 5", "ligne 2 : \"nom\" doit etre un texte entre guillemets"},
        {"[magasin]\nnom = \"a\\tb\"", "ligne 2 : \"nom\" contient un caractere de controle"},
        {"[magasin]\nmerci = \"a\\u0085b\"",
         "ligne 2 : \"merci\" contient un caractere de controle"},
        {"[magasin]\nmerci = \"" + std::string(72, 'm') + "\"",
         "ligne 2 : \"merci\" doit avoir au plus 71 colonnes (il en a 72)"},
        {"[magasin]\nadresse = []",
         "ligne 2 : \"adresse\" doit etre une liste de 1 a 5 lignes entre crochets"},
        {"[magasin]\nadresse = [\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"]",
         "ligne 2 : \"adresse\" doit etre une liste de 1 a 5 lignes entre crochets"},
        {"[magasin]\nadresse = [\"1\",\n\"" + std::string(61, 'a') + "\"]",
         "ligne 3 : \"adresse\" doit avoir au plus 60 colonnes (il en a 61)"},
        {"[magasin]\nno_tvq = \"123456789 TQ0001\"",
         "ligne 2 : \"no_tvq\" doit s'ecrire 10 chiffres, TQ et 4 chiffres, des blancs entre "
         "eux ou non, comme \"9999999999 TQ 0001\""},
        {"[magasin]\nno_tps = \" 123456789 RT0001\"", mauvaisTps},
        {"[magasin]\nno_tps = \"123456789 RT 0001 \"", mauvaisTps},
        {"[magasin]\nno_tps = \"1234\"", mauvaisTps},
        {"[magasin]\nno_tps = \"123456789 RX0001\"", mauvaisTps},
        {"[magasin]\nno_tps = \"123456789 RT00a1\"", mauvaisTps},
        {"[magasin]\nno_tps = \"123456789RT00011\"", mauvaisTps},
        {"[magasin]\nnon = \"x\"", "ligne 2 : cle inconnue \"magasin.non\""},
        {"\n[taxe]", "ligne 2 : cle inconnue \"taxe\""},
        {"magasin = 1", "ligne 1 : \"magasin\" doit etre une table"},
        {"[rabais]\nmembres = {}", "ligne 2 : cle inconnue \"rabais.membres\""},
        {"[rabais]\nvip = 20", "ligne 2 : \"rabais.vip\" doit etre une table"},
        {"[rabais]\nvip = { selection = 25, autres = 1 }",
         "ligne 2 : cle inconnue \"rabais.vip.autres\""},
        {"[rabais]\nmembre = { autre = 10.5 }",
         "ligne 2 : \"rabais.membre.autre\" doit etre un pourcentage entier de 0 a 100"},
        {"[rabais]\n[rabais.non_membre]\nselection = 101",
         "ligne 3 : \"rabais.non_membre.selection\" doit etre un pourcentage entier de 0 a 100"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9.975\ntvq_sur_tsp = false",
         "ligne 5 : cle inconnue \"taxes.tvq_sur_tsp\""},
        {"\n[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq_sur_tps = false",
         "ligne 2 : [[taxes]] sans \"tvq\""},
        {"[[taxes]]\n" + periode + "[[taxes]]\n" + periode,
         "ligne 6 : deux periodes de taxes commencent le meme jour"},
        {"[[taxes]]\ndepuis = \"2013-01-01\"\ntps = 5\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 2 : \"depuis\" doit etre une date, comme 2013-01-01"},
        {"[[taxes]]\ndepuis = 2013-01-01T00:00:00\ntps = 5\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 2 : \"depuis\" doit etre une date, comme 2013-01-01"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9.975\ntvq_sur_tps = 0",
         "ligne 5 : \"tvq_sur_tps\" doit etre true ou false"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 100\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 3 : \"tps\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9.9751\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = -0.001\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 3 : \"tps\"" + mauvaisTaux},
        {"[taxes]\n" + periode, "ligne 1 : \"taxes\" doit etre une liste de tables [[taxes]]"},
        {"taxes = [1]", "ligne 1 : \"taxes\" doit etre une table"},
        {"[magasin]\nmerci = \"\\u007F\"",
         "ligne 2 : \"merci\" contient un caractere de controle"},
        {"[magasin]\nmerci = \"\\u0080\"",
         "ligne 2 : \"merci\" contient un caractere de controle"},
        {"[magasin]\nnom = \"\\u00A1\"\nmerci = 1",
         "ligne 3 : \"merci\" doit etre un texte entre guillemets"},
        {"[magasin]\nadresse = \"rue\"",
         "ligne 2 : \"adresse\" doit etre une liste de 1 a 5 lignes entre crochets"},
        {"[magasin]\nno_tps = 123456789",
         "ligne 2 : \"no_tps\" doit etre un texte entre guillemets"},
        {"rabais = 1", "ligne 1 : \"rabais\" doit etre une table"},
        {"[rabais]\nvip = { selection = -1 }",
         "ligne 2 : \"rabais.vip.selection\" doit etre un pourcentage entier de 0 a 100"},
        {"[rabais]\nvip = { selection = 1, autre = \"2\" }",
         "ligne 2 : \"rabais.vip.autre\" doit etre un pourcentage entier de 0 a 100"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = -1\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 3 : \"tps\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = \"9.975\"\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 100.0\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9.9749999999999999999\ntvq_sur_tps = "
         "false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5e0\ntvq = 9.975\ntvq_sur_tps = false",
         "ligne 3 : \"tps\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = \"\"\"\n9.975\"\"\"\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[magasin]\nnom = \"\xE9\"",
         "ligne 2, colonne 7 : un caractere n'est pas de l'UTF-8 (un accent d'un fichier en "
         "Windows-1252 ?) : enregistrez le fichier en UTF-8"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 100.5\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 1_0.5\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = +9.5\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9.5e1\ntvq_sur_tps = false",
         "ligne 4 : \"tvq\"" + mauvaisTaux},
        // The French words where the fault is plain, the parser's after a lead otherwise.
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = 9,",
         "ligne 4, colonne 8 : TOML incorrect : Error while parsing key-value pair: expected a "
         "comment or whitespace, saw ','"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = ?",
         "ligne 4, colonne 7 : TOML incorrect : Error while parsing value: could not determine "
         "value type"},
        {"[[taxes]]\ndepuis = 2013-01-01\ntps = 5\ntvq = ,5",
         "ligne 4, colonne 7 : TOML incorrect : Error while parsing key-value pair: expected "
         "value, "
         "saw ','"},
        {"\n,5 = 1",
         "ligne 2, colonne 1 : TOML incorrect : Error while parsing root table: "
         "expected keys, tables, whitespace or comments, saw ','"},
        {"[magasin]\nnom = abc",
         "ligne 2, colonne 7 : un texte s'ecrit entre guillemets, comme "
         "\"Magasin chez Mo-Tino\""},
        {"[magasin]\nnom = 'abc",
         "ligne 2, colonne 11 : un texte s'ecrit entre deux guillemets, "
         "sur une ligne : il manque le guillemet fermant"},
        {std::string("\xFE\xFF\0[", 4),
         "ligne 1 : le fichier est en UTF-16 : enregistrez le fichier en UTF-8"},
        {"taxes = []",
         "ligne 1 : aucune periode [[taxes]] : les reglages d'un magasin donnent "
         "ses taxes, comme dans examples/magasin-quebec.toml"},
    };
    for (const auto& [texte, message] : refus) {
        Magasin magasin;
        std::string erreur;
        EXPECT_FALSE(lire(texte, magasin, erreur)) << texte;
        EXPECT_EQ(erreur, "le fichier \"" + fichier + "\", " + message) << texte;
    }
    Magasin magasin;
    std::string erreur;
    for (const std::string sansTaxes : {"", "[magasin]\nnom = \"Quincaillerie\"", "# taxes"}) {
        std::ofstream(fichier, std::ios::binary) << sansTaxes;
        Magasin refuse;
        EXPECT_FALSE(lireMagasin(fichier, true, refuse, erreur));
        EXPECT_EQ(erreur, "le fichier \"" + fichier +
                              "\" : aucune periode [[taxes]] : les "
                              "reglages d'un magasin donnent ses taxes, comme dans "
                              "examples/magasin-quebec.toml");
    }
    // Registration numbers as Revenu Quebec prints them, or run together, kept as written.
    Magasin numeros;
    ASSERT_TRUE(lire("[magasin]\nno_tps = \"123456789  RT  0001\"\nno_tvq = \"1234567890TQ0001\"",
                     numeros, erreur))
        << erreur;
    EXPECT_EQ(numeros.identite.noTps + "|" + numeros.identite.noTvq,
              "123456789  RT  0001|1234567890TQ0001");
    std::remove(fichier.c_str());
    EXPECT_TRUE(lireMagasin(fichier, false, magasin, erreur));  // magasin.toml may be absent
    EXPECT_TRUE(magasin.fichier.empty() && magasin.taxes.empty());
    EXPECT_FALSE(lireMagasin(fichier, true, magasin, erreur));  // --magasin's may not
    EXPECT_EQ(erreur, "le fichier \"" + fichier + "\" est absent");
    EXPECT_FALSE(lireMagasin(testing::TempDir(), false, magasin, erreur));
    EXPECT_EQ(erreur, "le fichier \"" + testing::TempDir() + "\" est un dossier");
}

// 9.975 % is 9975 thousandths, read from its text, never the double below it; the label shows
// the rate read, in its shortest decimals.
TEST(Magasin, tauxExactsEtLibellesCommeEcrits) {
    const std::string fichier = nomFichier();
    Magasin magasin;
    std::string erreur;
    ASSERT_TRUE(
        lire("[rabais]\nvip = { autre = 30 }\n"
             "[[taxes]]\ndepuis = 2012-01-01\ntps = 5.0\ntvq = 9.500\ntvq_sur_tps = true\n"
             "[[taxes]] # in any order\ndepuis = 2013-01-01\ntps = 5  # a comment\n"
             "tvq = 9.975\ntvq_sur_tps = false\n"
             "[[taxes]]\ndepuis = 2011-01-01\ntps = +5\ntvq = 8.50\ntvq_sur_tps = true\n"
             "[[taxes]]\ndepuis = 2008-01-01\ntps = 99.999\ntvq = 7.5\ntvq_sur_tps = true\n",
             magasin, erreur))
        << erreur;
    ASSERT_EQ(magasin.taxes.size(), 4u);
    EXPECT_TRUE(magasin.rabais.vip.autre == 30 && magasin.rabais.vip.selection == 25);
    std::string libelles;
    for (const PeriodeTaxes& p : magasin.taxes) libelles += p.libelleTps + p.libelleTvq + "|";
    EXPECT_EQ(libelles,
              "tps (99,999 %) :tvq (7,5 %) :|tps (5 %) :tvq (8,5 %) :|"
              "tps (5 %) :tvq (9,5 %) :|tps (5 %) :tvq (9,975 %) :|");
    const PeriodeTaxes& p2008 = magasin.taxes[0];
    EXPECT_TRUE(p2008.depuis == 20080101 && p2008.taux.tps == 99999 && p2008.taux.tvqSurTps);
    const PeriodeTaxes& p2012 = magasin.taxes[2];
    const PeriodeTaxes& p2013 = magasin.taxes[3];
    EXPECT_TRUE(p2013.taux.tps == 5000 && p2013.taux.tvq == 9975 && !p2013.taux.tvqSurTps);

    // The period of a day: the latest that began on it or before.
    const PeriodeTaxes* choisie = nullptr;
    EXPECT_TRUE(periodeDuJour(magasin, "31-12-2012", choisie, erreur));
    EXPECT_EQ(choisie, &p2012);
    EXPECT_TRUE(periodeDuJour(magasin, "01-01-2013", choisie, erreur));
    EXPECT_EQ(choisie, &p2013);
    EXPECT_FALSE(periodeDuJour(magasin, "31-12-2007", choisie, erreur));
    EXPECT_EQ(erreur, "aucune periode de taxes de \"" + fichier + "\" ne couvre le 31-12-2007");
}

TEST(Magasin, joursDuCalendrier) {
    EXPECT_EQ(jourDe("29-02-2012"), 20120229);
    EXPECT_EQ(jourDe("29-02-2000"), 20000229);
    EXPECT_EQ(jourDe("31-12-9999"), 99991231);
    for (const char* date :
         {"29-02-2013", "29-02-1900", "31-04-2013", "00-01-2013", "01-00-2013", "01-13-2013",
          "32-01-2013", "01-01-0000", "1-1-2013", "01-01-201a", "01/01/2013", "01-01/2013",
          "01-01-20130", "+1-01-2013", "01-0a-2013"}) {
        EXPECT_FALSE(jourDe(date)) << date;
    }
    // Day after day across two centuries' turns, one leap and one not: every day's date reads
    // back as that day, and each year has its count of days.
    Jour jour = jourDe(1899, 12, 31);
    for (const auto& [annee, jours] : {std::pair{1900L, 365}, {1901L, 365}, {2000L, 366}}) {
        if (annee == 2000) jour = jourDe(1999, 12, 31);
        for (int n = 0; n < jours; ++n) {
            jour = lendemain(jour);
            ASSERT_EQ(jourDe(dateDe(jour)), jour) << dateDe(jour);
        }
        EXPECT_EQ(jour, jourDe(annee, 12, 31));
    }
    EXPECT_EQ(dateDe(jourDe(1, 2, 3)), "03-02-0001");
    EXPECT_EQ(dernierDuMois(2100, 2), jourDe(2100, 2, 28));
    EXPECT_EQ(finDuMois(jourDe(2012, 2, 1)), jourDe(2012, 2, 29));
    EXPECT_EQ(finDeLAnnee(jourDe(2013, 1, 1)), jourDe(2013, 12, 31));
}

// Every rounding is half away from zero, never to even; sums of the largest lines do not wrap.
TEST(Centimes, arrondisEtSommes) {
    for (const auto& [n, arrondi] : {std::pair{25, 3}, {-25, -3}, {24, 2}, {-26, -3}}) {
        EXPECT_TRUE(diviserArrondi(Centimes{n}, 10) == arrondi) << n;
    }
    const Centimes enorme = Centimes{1} << 100;  // beyond 64 bits
    EXPECT_TRUE(diviserArrondi(enorme * 100 + 50, 100) == enorme + 1);
    EXPECT_TRUE(diviserArrondi(-enorme * 100 - 50, 100) == -enorme - 1);
    EXPECT_TRUE(diviserArrondi(enorme * 100 + 49, 100) == enorme);

    const TableRabais rabais;
    FactureCentimes facture;
    const LigneCentimes ligne0 =
        ajouterLigne(facture, rabais, CategorieClient::Membre, 1, 25, 'n');
    EXPECT_TRUE(ligne0.totalLigne == 22);  // 0.025 of discount is 0.03
    ajouterLigne(facture, rabais, CategorieClient::Membre, 1, 25, 'n');
    EXPECT_EQ(static_cast<long long>(facture.rabaisFacture), 6);  // each line rounded alone
    calculerTaxes(facture, {5000, 9975, false});
    EXPECT_EQ(static_cast<long long>(facture.tps), 2);  // 4.4 * 5 %: 0.22
    FactureCentimes vingt{2000};
    calculerTaxes(vingt, {5000, 9975, false});
    EXPECT_EQ(static_cast<long long>(vingt.tvq), 200);  // 1.995: a binary 9.975 gives 199
    calculerTaxes(vingt, {6000, 7500, true});
    EXPECT_EQ(static_cast<long long>(vingt.tvq), 159);  // on 21.20
    FactureCentimes dix{-10};
    calculerTaxes(dix, {5000, 9975, false});
    EXPECT_EQ(static_cast<long long>(dix.tps), -1);

    FactureCentimes grande;
    TotauxJourCentimes jour;
    for (int i = 0; i < 1000; ++i) {
        ajouterLigne(grande, rabais, CategorieClient::NonMembre, INT_MAX, prixCentimesMax - 1,
                     'n');
    }
    calculerTaxes(grande, {99999, 99999, true});
    for (int i = 0; i < 1000; ++i) ajouterFacture(jour, grande, CategorieClient::Vip);
    const Centimes ligne = static_cast<Centimes>(INT_MAX) * (prixCentimesMax - 1);
    FactureCentimes negative;
    ajouterLigne(negative, rabais, CategorieClient::Vip, -INT_MAX, prixCentimesMax - 1, 's');
    EXPECT_TRUE(negative.rabaisFacture == diviserArrondi(-ligne * 25, 100));
    EXPECT_TRUE(jour.montantAvantRabais == ligne * 1000 * 1000);
    EXPECT_TRUE(jour.montantTotal > jour.montantAvantRabais);
}

// A price in cents is its decimal text rounded to the cent, a half away from zero, from its
// digits (never the double's error); a million dollars or more cannot be read.
TEST(Centimes, prixArrondisDeLeurTexte) {
    const auto lire = [](const std::string& prix, long long& centimes) {
        std::stringbuf texte(prix + " ");
        Lecteur lecteur = ouvrirLecteur(texte, 16);
        return extraireCentimes(lecteur, centimes) && finDeNombre(lecteur);
    };
    const std::pair<const char*, long long> lisibles[] = {
        {"1.005", 101},
        {"2.675", 268},
        {"-0.005", -1},
        {"0.125", 13},
        {"-2.675", -268},
        {"0.0049", 0},
        {"12.5e-1", 125},
        {"1.e2", 10000},
        {".5", 50},
        {"5.", 500},
        {"+3", 300},
        {"0001.50", 150},
        {"999999.994", 99999999},
        {"9.99999999999999999999", 1000},
        {"0.00000000000000000000005", 0},
        {"1234567e-3", 123457},
    };
    for (const auto& [prix, attendu] : lisibles) {
        long long centimes = 0;
        EXPECT_TRUE(lire(prix, centimes)) << prix;
        EXPECT_EQ(centimes, attendu) << prix;
    }
    for (const char* prix : {"1000000", "1e6", "999999.995", "-1000000", "1e99999999999", "0x1p1",
                             "inf", "nan", ".", "-", "1e", "1e+", "1,5", "1.2.3"}) {
        long long centimes = 0;
        EXPECT_FALSE(lire(prix, centimes)) << prix;
    }
    // Every price of three decimals below 1,000 $, against the rule worked out in integers.
    for (long long milliemes = 0; milliemes < 1000000; milliemes += 1) {
        const std::string decimales = std::to_string(1000 + milliemes % 1000).substr(1);
        const std::string prix = std::to_string(milliemes / 1000) + "." + decimales;
        long long centimes = 0;
        ASSERT_TRUE(lire(prix, centimes)) << prix;
        ASSERT_EQ(centimes, milliemes / 10 + (milliemes % 10 >= 5 ? 1 : 0)) << prix;
    }
}
