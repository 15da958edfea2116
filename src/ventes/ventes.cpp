#include "ventes/ventes.hpp"

#include "util/windows1252.hpp"

namespace {

// A word written in UTF-8 is read as the store's Windows-1252 bytes, in the window; a word
// of plain ASCII, the most of them, costs nothing more.
void enWindows1252(Lecteur& entree, Mot& mot) {
    if (!mot.ascii) mot.longueur = utf8VersWindows1252(octets(entree, mot), mot.longueur);
}

// The fields by the names the warnings give them, in reading order.
constexpr std::string_view champsClient[] = {"numero de client", "prenom", "nom", "type",
                                             "nombre d'articles"};
constexpr std::string_view champsArticle[] = {"numero d'article", "description", "quantite",
                                              "prix", "selection"};

// The field being read: its place in the record and where, from the mark, its white space
// began.
struct Suivi {
    int champ = -1;
    std::size_t depuis = 0;
};

void commencer(const Lecteur& entree, Suivi& suivi) {
    ++suivi.champ;
    suivi.depuis = entree.position - entree.marque;
}

// A number must end at white space: "19.99$" or "2.5" as a quantity is not a prefix to
// take and a rest to read as the next field.
bool entier(Lecteur& entree, Suivi& suivi, int& valeur) {
    commencer(entree, suivi);
    return extraireEntier(entree, valeur) && finDeNombre(entree);
}

bool reel(Lecteur& entree, Suivi& suivi, float& valeur) {
    commencer(entree, suivi);
    return extraireReel(entree, valeur) && finDeNombre(entree);
}

bool prix(Lecteur& entree, Suivi& suivi, float& prix) {
    return reel(entree, suivi, prix);
}

bool prix(Lecteur& entree, Suivi& suivi, long long& centimes) {
    commencer(entree, suivi);
    return extraireCentimes(entree, centimes) && finDeNombre(entree);
}

bool mot(Lecteur& entree, Suivi& suivi, Mot& valeur) {
    commencer(entree, suivi);
    if (!extraireMot(entree, valeur)) return false;
    enWindows1252(entree, valeur);
    return true;
}

bool caractere(Lecteur& entree, Suivi& suivi, char& valeur) {
    commencer(entree, suivi);
    return extraireCaractere(entree, valeur);
}

// A field holds no line end: the line at which the reader stopped is its own, unless the
// data ended before it.
Arret decrireArret(Lecteur& entree, const Suivi& suivi, const std::string_view* champs) {
    Arret arret;
    arret.champ = champs[suivi.champ];
    const long long ligne = entree.ligne;
    const long long ligneDonnee = entree.ligneDonnee;
    arret.texte = champApres(entree, suivi.depuis, longueurTexteArret + 1);
    arret.finDuFichier = arret.texte.empty();
    arret.ligne = arret.finDuFichier ? ligneDonnee : ligne;
    return arret;
}

}  // namespace

bool lireEntete(Lecteur& entree, std::string& dateFact) {
    marquer(entree);
    Mot mot;
    for (int i = 0; i < 6; ++i) {
        if (!extraireMot(entree, mot)) continue;
        enWindows1252(entree, mot);
        dateFact.assign(texte(entree, mot));
    }
    return !entree.echec;
}

Lecture lireClient(Lecteur& entree, Client& client, Arret& arret) {
    marquer(entree);
    sauterBlancs(entree);
    if (entree.finAtteinte) return Lecture::FinDesDonnees;
    Suivi suivi;
    if (entier(entree, suivi, client.noClient) && mot(entree, suivi, client.prenom) &&
        mot(entree, suivi, client.nom) && mot(entree, suivi, client.type) &&
        entier(entree, suivi, client.nbArticle)) {
        return Lecture::Lu;
    }
    arret = decrireArret(entree, suivi, champsClient);
    return Lecture::Illisible;
}

template <class Prix>
bool lireArticle(Lecteur& entree, ArticleEn<Prix>& article, Arret& arret) {
    marquer(entree);
    Suivi suivi;
    if (entier(entree, suivi, article.noArticle) && mot(entree, suivi, article.description) &&
        entier(entree, suivi, article.qty) && prix(entree, suivi, article.prix) &&
        caractere(entree, suivi, article.sel)) {
        return true;
    }
    arret = decrireArret(entree, suivi, champsArticle);
    return false;
}

template bool lireArticle(Lecteur& entree, Article& article, Arret& arret);
template bool lireArticle(Lecteur& entree, ArticleCentimes& article, Arret& arret);
