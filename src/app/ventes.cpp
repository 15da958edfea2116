#include "app/ventes.hpp"

bool lireEntete(Lecteur& entree, std::string& dateFact) {
    marquer(entree);
    Mot mot;
    for (int i = 0; i < 6; ++i) {
        if (extraireMot(entree, mot)) dateFact.assign(texte(entree, mot));
    }
    return !entree.echec;
}

Lecture lireClient(Lecteur& entree, Client& client) {
    marquer(entree);
    sauterBlancs(entree);
    if (entree.finAtteinte) return Lecture::FinDesDonnees;
    const bool lu = extraireEntier(entree, client.noClient) &&
                    extraireMot(entree, client.prenom) && extraireMot(entree, client.nom) &&
                    extraireMot(entree, client.type) && extraireEntier(entree, client.nbArticle);
    return lu ? Lecture::Lu : Lecture::Illisible;
}

bool lireArticle(Lecteur& entree, Article& article) {
    marquer(entree);
    return extraireEntier(entree, article.noArticle) && extraireMot(entree, article.description) &&
           extraireEntier(entree, article.qty) && extraireReel(entree, article.prix) &&
           extraireCaractere(entree, article.sel);
}

long long ligneArret(const Lecteur& entree) {
    return entree.finAtteinte ? entree.ligneDonnee : entree.ligne;
}
