// Reading the sales file: the same records whatever the white space between the fields.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ventes.hpp"

namespace {

struct Releve {
    std::string dateFact;
    bool enteteComplete = false;
    std::vector<std::string> clients;   // "noClient prenom nom type nbArticle"
    std::vector<std::string> articles;  // "noArticle description qty prix sel"
};

// Walks a sales file the way the report loop does, keeping each record read.
Releve parcourir(const std::string& texte) {
    std::istringstream entree(texte);
    Releve lecture;
    lecture.enteteComplete = lireEntete(entree, lecture.dateFact);
    Client client;
    while (lireClient(entree, client) == Lecture::Lu) {
        std::ostringstream ligne;
        ligne << client.noClient << ' ' << client.prenom << ' ' << client.nom << ' ' << client.type
              << ' ' << client.nbArticle;
        lecture.clients.push_back(ligne.str());
        for (int i = 0; i < client.nbArticle; ++i) {
            Article article;
            if (!lireArticle(entree, article)) break;
            std::ostringstream champs;
            champs << article.noArticle << ' ' << article.description << ' ' << article.qty << ' '
                   << article.prix << ' ' << article.sel;
            lecture.articles.push_back(champs.str());
        }
    }
    return lecture;
}

const std::string exemple =
    "Ventes de la journee du 28-02-2012\n"
    "101 Jeanne Exemple membre 2\n"
    "1 chemise 2 19.99 s\n"
    "2 pantalon 1 39.50 n\n"
    "102 Marc Essai vip 1\n"
    "7 manteau 1 120.00 n\n"
    "103 Lise Modele client 1\n"
    "4 bas 3 4.25 s\n";

std::string remplacerBlancs(std::string texte, const std::string& par) {
    std::string resultat;
    for (const char c : texte) {
        if (c == ' ' || c == '\n') {
            resultat += par;
        } else {
            resultat += c;
        }
    }
    return resultat;
}

}  // namespace

TEST(Ventes, toutesLesDispositionsSeLisentPareil) {
    const Releve reference = parcourir(exemple);
    EXPECT_TRUE(reference.enteteComplete);
    EXPECT_EQ(reference.dateFact, "28-02-2012");
    EXPECT_EQ(reference.clients,
              (std::vector<std::string>{"101 Jeanne Exemple membre 2", "102 Marc Essai vip 1",
                                        "103 Lise Modele client 1"}));
    EXPECT_EQ(reference.articles,
              (std::vector<std::string>{"1 chemise 2 19.99 s", "2 pantalon 1 39.5 n",
                                        "7 manteau 1 120 n", "4 bas 3 4.25 s"}));

    const std::string sansFin = exemple.substr(0, exemple.size() - 1);
    for (const std::string& variante :
         {remplacerBlancs(exemple, " "), remplacerBlancs(exemple, "\n"),
          remplacerBlancs(exemple, "\t \r\n"), sansFin, "\n\n  " + exemple + "  \n\n"}) {
        const Releve lecture = parcourir(variante);
        EXPECT_EQ(lecture.dateFact, reference.dateFact) << variante;
        EXPECT_EQ(lecture.clients, reference.clients) << variante;
        EXPECT_EQ(lecture.articles, reference.articles) << variante;
    }
}

TEST(Ventes, enteteSeulOuClientTronque) {
    Releve lecture = parcourir("Ventes de la journee du 28-02-2012\n");
    EXPECT_TRUE(lecture.enteteComplete);
    EXPECT_TRUE(lecture.clients.empty());

    // Fewer than six words: the last word read stays as the date.
    lecture = parcourir("Ventes du 28-02-2012\n");
    EXPECT_FALSE(lecture.enteteComplete);
    EXPECT_EQ(lecture.dateFact, "28-02-2012");
    EXPECT_TRUE(lecture.clients.empty());

    lecture = parcourir(exemple.substr(0, exemple.find("102")) + "102 Marc Essai");
    EXPECT_EQ(lecture.clients, std::vector<std::string>{"101 Jeanne Exemple membre 2"});
    EXPECT_EQ(lecture.articles.size(), 2u);

    // Letters where the client number is expected end the reading.
    lecture = parcourir("a b c d e 01-01-2000 abc Jean Nom membre 0\n");
    EXPECT_TRUE(lecture.clients.empty());
}

TEST(Ventes, drapeauEtNombresHorsBornes) {
    // The flag is one character: the rest of "non" is read as the next client's number.
    Releve lecture = parcourir("a b c d e f 1 A B vip 1 9 x 1 2.5 non 2 C D vip 0\n");
    EXPECT_EQ(lecture.articles, std::vector<std::string>{"9 x 1 2.5 n"});
    EXPECT_EQ(lecture.clients, std::vector<std::string>{"1 A B vip 1"});

    // A number outside 32 bits fails the read.
    lecture = parcourir("a b c d e f 2147483648 A B vip 0\n");
    EXPECT_TRUE(lecture.clients.empty());
    lecture = parcourir("a b c d e f -2147483648 A B vip -5\n");
    EXPECT_EQ(lecture.clients, std::vector<std::string>{"-2147483648 A B vip -5"});
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
