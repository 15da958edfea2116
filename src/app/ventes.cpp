#include "ventes.hpp"

#include <cctype>

bool lireEntete(std::istream& entree, std::string& dateFact) {
    for (int mot = 0; mot < 6; ++mot) entree >> dateFact;
    return !entree.fail();
}

Lecture lireClient(std::istream& entree, Client& client) {
    if ((entree >> std::ws).eof()) return Lecture::FinDesDonnees;
    entree >> client.noClient >> client.prenom >> client.nom >> client.type >> client.nbArticle;
    return entree.fail() ? Lecture::Illisible : Lecture::Lu;
}

bool lireArticle(std::istream& entree, Article& article) {
    entree >> article.noArticle >> article.description >> article.qty >> article.prix >>
        article.sel;
    return !entree.fail();
}

long long ligneArret(std::istream& entree) {
    const bool finAtteinte = entree.eof();
    entree.clear();
    const std::streamoff arret = entree.tellg();
    entree.seekg(0);
    long long ligne = 1;
    long long derniereDonnee = 1;
    std::streambuf& tampon = *entree.rdbuf();
    for (std::streamoff position = 0; arret < 0 || position < arret; ++position) {
        const int c = tampon.sbumpc();
        if (c == std::char_traits<char>::eof()) break;
        if (c == '\n') {
            ++ligne;
        } else if (std::isspace(c) == 0) {
            derniereDonnee = ligne;
        }
    }
    return finAtteinte || arret < 0 ? derniereDonnee : ligne;
}
