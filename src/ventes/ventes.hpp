// The sales file: a head of six words, then client records each followed by its item
// records, all fields separated by any white space. A word in UTF-8 is read as the
// Windows-1252 bytes of its characters, so that a day prints alike whatever tool wrote it.
#pragma once

#include <string>
#include <string_view>

#include "ventes/lecteur.hpp"

// The words of a record are read in place: texte gives them until the next record is read.
struct Client {
    int noClient = 0;
    Mot prenom;
    Mot nom;
    Mot type;
    int nbArticle = 0;
};

// An item record, its price a float or, for a day in exact cents, a count of cents.
template <class Prix>
struct ArticleEn {
    int noArticle = 0;
    Mot description;
    int qty = 0;
    Prix prix{};
    char sel = ' ';
};
using Article = ArticleEn<float>;
using ArticleCentimes = ArticleEn<long long>;

enum class Lecture {
    Lu,             // every field was read
    FinDesDonnees,  // nothing but white space was left: the normal end of the day
    Illisible       // a field could not be read, or the data ended inside the record
};

// Longest text of a field that cannot be read kept for the warning; one byte more tells
// that it goes on.
constexpr std::size_t longueurTexteArret = 30;

// Where a record stopped: the field that could not be read, the line (from 1) of its first
// byte, and its first bytes up to the next white space (longueurTexteArret + 1 at most);
// when the data ended before the field, no text and the last line holding data.
struct Arret {
    std::string_view champ;
    long long ligne = 0;
    bool finDuFichier = false;
    std::string texte;
};

// Reads the six words of the head into dateFact, so that the last word read stays there;
// false when the head holds fewer than six words.
bool lireEntete(Lecteur& entree, std::string& dateFact);

// Reads one client record; on Illisible, arret says where it stopped.
Lecture lireClient(Lecteur& entree, Client& client, Arret& arret);

// Reads one item record, its price as the article's type holds it; false, with arret, at the
// end of the data or on a field that cannot be read. For Article and ArticleCentimes.
template <class Prix>
bool lireArticle(Lecteur& entree, ArticleEn<Prix>& article, Arret& arret);
