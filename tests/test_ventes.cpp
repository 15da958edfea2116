// Reading the sales file: the same records whatever the white space between the fields,
// and where reading stopped when it fails.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ventes.hpp"

namespace {

// Walks a sales file as the report loop does; one "|"-separated entry per record read.
std::string parcourir(const std::string& texte) {
    std::istringstream entree(texte);
    std::ostringstream releve;
    std::string dateFact;
    releve << lireEntete(entree, dateFact) << ' ' << dateFact;
    Client c;
    while (lireClient(entree, c) == Lecture::Lu) {
        releve << '|' << c.noClient << ' ' << c.prenom << ' ' << c.nom << ' ' << c.type << ' '
               << c.nbArticle;
        Article a;
        for (int i = 0; i < c.nbArticle && lireArticle(entree, a); ++i) {
            releve << '|' << a.noArticle << ' ' << a.description << ' ' << a.qty << ' ' << a.prix
                   << ' ' << a.sel;
        }
    }
    return releve.str();
}

std::string remplacerBlancs(const std::string& texte, const std::string& par) {
    std::string resultat;
    for (const char c : texte) resultat += (c == ' ' || c == '\n') ? par : std::string(1, c);
    return resultat;
}

}  // namespace

TEST(Ventes, toutesLesDispositionsSeLisentPareil) {
    const std::string exemple =
        "Ventes de la journee du 28-02-2012\n101 Jeanne Exemple membre 2\n1 chemise 2 19.99 s\n"
        "2 pantalon 1 39.50 n\n102 Marc Essai vip 1\n7 manteau 1 120.00 n\n"
        "103 Lise Modele client 1\n4 bas 3 4.25 s\n";
    const std::string attendu =
        "1 28-02-2012|101 Jeanne Exemple membre 2|1 chemise 2 19.99 s|2 pantalon 1 39.5 n"
        "|102 Marc Essai vip 1|7 manteau 1 120 n|103 Lise Modele client 1|4 bas 3 4.25 s";
    for (const std::string& variante :
         {exemple, remplacerBlancs(exemple, " "), remplacerBlancs(exemple, "\n"),
          remplacerBlancs(exemple, "\t \r\n"), exemple.substr(0, exemple.size() - 1),
          "\n\n  " + exemple + "  \n\n"}) {
        EXPECT_EQ(parcourir(variante), attendu) << variante;
    }
    EXPECT_EQ(parcourir("Ventes de la journee du 28-02-2012\n"), "1 28-02-2012");
    EXPECT_EQ(parcourir("Ventes du 28-02-2012\n"), "0 28-02-2012");  // the last word read
    // A number outside 32 bits fails the read; the bounds themselves are read.
    EXPECT_EQ(parcourir("a b c d e f 2147483648 A B vip 0\n"), "1 f");
    EXPECT_EQ(parcourir("a b c d e f -2147483648 A B vip -5\n"), "1 f|-2147483648 A B vip -5");
}

TEST(Ventes, finPropreOuDonneeIllisibleEtSaLigne) {
    Client client;
    std::istringstream propre("1 A B vip 0 \n\t\n");
    EXPECT_EQ(lireClient(propre, client), Lecture::Lu);
    EXPECT_EQ(lireClient(propre, client), Lecture::FinDesDonnees);

    std::istringstream lettres("1 A B vip 0\n\n  x2 A B vip 0\n");
    EXPECT_EQ(lireClient(lettres, client), Lecture::Lu);
    EXPECT_EQ(lireClient(lettres, client), Lecture::Illisible);
    EXPECT_EQ(ligneArret(lettres), 3);

    // The data ends inside a record: the last line holding data, not the blank ones after.
    std::istringstream tronque("1 A B vip 0\n2 A\n\n  \n");
    EXPECT_EQ(lireClient(tronque, client), Lecture::Lu);
    EXPECT_EQ(lireClient(tronque, client), Lecture::Illisible);
    EXPECT_EQ(ligneArret(tronque), 2);

    Article article;
    std::istringstream article3("1 x 2 3.5\n\n\n");
    EXPECT_FALSE(lireArticle(article3, article));
    EXPECT_EQ(ligneArret(article3), 1);
}
