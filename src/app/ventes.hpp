// The sales file: a head of six words, then client records each followed by its item
// records, all fields separated by any white space.
#pragma once

#include <string>

#include "app/lecteur.hpp"

// The words of a record are read in place: texte gives them until the next record is read.
struct Client {
    int noClient = 0;
    Mot prenom;
    Mot nom;
    Mot type;
    int nbArticle = 0;
};

struct Article {
    int noArticle = 0;
    Mot description;
    int qty = 0;
    float prix = 0.0f;
    char sel = ' ';
};

enum class Lecture {
    Lu,             // every field was read
    FinDesDonnees,  // nothing but white space was left: the normal end of the day
    Illisible       // a field could not be read, or the data ended inside the record
};

// Reads the six words of the head into dateFact, so that the last word read stays there;
// false when the head holds fewer than six words.
bool lireEntete(Lecteur& entree, std::string& dateFact);

// Reads one client record.
Lecture lireClient(Lecteur& entree, Client& client);

// Reads one item record; false at the end of the data or on a field that cannot be read.
bool lireArticle(Lecteur& entree, Article& article);

// After a failed read: the line (from 1) of the field that could not be read, or, when
// the data ended too early, the last line holding data.
long long ligneArret(const Lecteur& entree);
