#include "app/ventes.hpp"

bool lireEntete(Lecteur& entree, std::string& dateFact) {
    for (int mot = 0; mot < 6; ++mot) extraireMot(entree, dateFact);
    return !entree.echec;
}

Lecture lireClient(Lecteur& entree, Client& client) {
    sauterBlancs(entree);
    if (entree.finAtteinte) return Lecture::FinDesDonnees;
    const bool lu = extraireEntier(entree, client.noClient) &&
                    extraireMot(entree, client.prenom) && extraireMot(entree, client.nom) &&
                    extraireMot(entree, client.type) && extraireEntier(entree, client.nbArticle);
    return lu ? Lecture::Lu : Lecture::Illisible;
}

bool lireArticle(Lecteur& entree, Article& article) {
    return extraireEntier(entree, article.noArticle) && extraireMot(entree, article.description) &&
           extraireEntier(entree, article.qty) && extraireReel(entree, article.prix) &&
           extraireCaractere(entree, article.sel);
}

long long ligneArret(const Lecteur& entree) {
    return entree.finAtteinte ? entree.ligneDonnee : entree.ligne;
}
