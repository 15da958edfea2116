#include "ventes.hpp"

bool lireEntete(std::istream& entree, std::string& dateFact) {
    for (int mot = 0; mot < 6; ++mot) entree >> dateFact;
    return !entree.fail();
}

bool lireClient(std::istream& entree, Client& client) {
    entree >> client.noClient >> client.prenom >> client.nom >> client.type >> client.nbArticle;
    return !entree.fail();
}

bool lireArticle(std::istream& entree, Article& article) {
    entree >> article.noArticle >> article.description >> article.qty >> article.prix >>
        article.sel;
    return !entree.fail();
}
