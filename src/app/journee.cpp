#include "app/journee.hpp"

#include "app/facturation.hpp"
#include "app/ventes.hpp"
#include "report/facture.hpp"
#include "report/sommaire.hpp"

namespace {

// Writes one client's invoice and counts it in the day. Reading stops at an item record
// that cannot be read whole: it is left out and the invoice is closed on the lines read.
// Returns false when that happened.
bool facturerClient(Lecteur& entree, std::ostream& sortie, const Client& client,
                    const std::string& dateFact, TotauxJour& totaux) {
    const CategorieClient categorie = categorieClient(texte(entree, client.type));
    Facture facture;
    ecrireEnteteFacture(sortie, totaux.nbFactures, dateFact, client.noClient,
                        texte(entree, client.prenom), texte(entree, client.nom));
    bool complet = true;
    Article article;
    for (int i = 0; i < client.nbArticle; ++i) {
        if (!lireArticle(entree, article)) {
            complet = false;
            break;
        }
        const LigneCalculee ligne =
            ajouterLigne(facture, categorie, article.qty, article.prix, article.sel);
        ecrireLigneFacture(sortie, article.noArticle, texte(entree, article.description),
                           article.qty, article.prix, ligne.sousTotal, article.sel,
                           static_cast<int>(ligne.tauxRabais), ligne.totalLigne);
    }
    calculerTaxes(facture);
    ecrirePiedFacture(sortie, facture.sousTotalFacture, facture.tps, facture.tvq,
                      facture.totalFacture, facture.nbArticleFacture, facture.rabaisFacture);
    ajouterFacture(totaux, facture, categorie);
    return complet;
}

// The rest of the file is lost: the operator is told where to look.
void signalerArret(const Lecteur& entree, std::ostream& alertes, const std::string& fichierVente,
                   const std::string& endroit) {
    alertes << "attention : le fichier \"" << fichierVente << "\", ligne " << ligneArret(entree)
            << " : donnee illisible " << endroit << " ; la suite est ignoree" << std::endl;
}

}  // namespace

bool facturerJournee(std::istream& entree, std::ostream& sortie, std::ostream& console,
                     std::ostream& alertes, const std::string& fichierVente, std::string& dateFact,
                     std::string_view eAigu, std::size_t fenetre) {
    Lecteur lecteur = ouvrirLecteur(*entree.rdbuf(), fenetre);
    const bool enteteLu = lireEntete(lecteur, dateFact);
    console << "La date dans le fichier est : " << dateFact << std::endl;

    Client client;
    Lecture lecture = enteteLu ? lireClient(lecteur, client) : Lecture::Illisible;
    if (lecture != Lecture::Lu) {
        if (lecture == Lecture::Illisible) {
            signalerArret(lecteur, alertes, fichierVente,
                          enteteLu ? "avant la premiere facture" : "dans l'en-tete");
        }
        console << std::endl
                << "Aucun n'achat n'a " << eAigu << "t" << eAigu << " effectu" << eAigu
                << " pour cette date" << std::endl;
        return lecture == Lecture::FinDesDonnees;
    }
    TotauxJour totaux;
    while (lecture == Lecture::Lu) {
        const long long noFacture = totaux.nbFactures;
        const int noClient = client.noClient;
        const bool complet = facturerClient(lecteur, sortie, client, dateFact, totaux);
        lecture = complet ? lireClient(lecteur, client) : Lecture::Illisible;
        if (lecture == Lecture::Illisible) {
            signalerArret(lecteur, alertes, fichierVente,
                          "apres la facture " + std::to_string(noFacture) + " (client " +
                              std::to_string(noClient) + ")");
        }
    }
    ecrireSommaire(sortie, dateFact, totaux.nbFactures, totaux.nbArticles,
                   totaux.montantAvantRabais, totaux.montantRabais, totaux.montantTaxes,
                   totaux.montantTotal, totaux.nbMembre, totaux.nbVip, totaux.nbNonMembre);
    return lecture == Lecture::FinDesDonnees;
}
