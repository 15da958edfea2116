#include "journee.hpp"

#include "facturation.hpp"
#include "facture.hpp"
#include "sommaire.hpp"
#include "ventes.hpp"

namespace {

// Writes one client's invoice, reading its item records, and counts it in the day.
void facturerClient(std::istream& entree, std::ostream& sortie, const Client& client,
                    Article& article, const std::string& dateFact, TotauxJour& totaux) {
    const CategorieClient categorie = categorieClient(client.type);
    Facture facture;
    ecrireEnteteFacture(sortie, totaux.nbFactures, dateFact, client.noClient, client.prenom,
                        client.nom);
    for (int i = 0; i < client.nbArticle; ++i) {
        lireArticle(entree, article);
        const LigneCalculee ligne =
            ajouterLigne(facture, categorie, article.qty, article.prix, article.sel);
        ecrireLigneFacture(sortie, article.noArticle, article.description, article.qty,
                           article.prix, ligne.sousTotal, article.sel,
                           static_cast<int>(ligne.tauxRabais), ligne.totalLigne);
    }
    calculerTaxes(facture);
    ecrirePiedFacture(sortie, facture.sousTotalFacture, facture.tps, facture.tvq,
                      facture.totalFacture, facture.nbArticleFacture, facture.rabaisFacture);
    ajouterFacture(totaux, facture, categorie);
}

}  // namespace

void facturerJournee(std::istream& entree, std::ostream& sortie, std::ostream& console,
                     std::string& dateFact) {
    lireEntete(entree, dateFact);
    console << "La date dans le fichier est : " << dateFact << std::endl;

    Client client;
    Article article;
    if (!lireClient(entree, client)) {
        // 0x82 is e acute on the store's console code page.
        console << std::endl
                << "Aucun n'achat n'a \x82t\x82 effectu\x82 pour cette date" << std::endl;
        return;
    }
    TotauxJour totaux;
    do {
        facturerClient(entree, sortie, client, article, dateFact, totaux);
    } while (lireClient(entree, client));
    ecrireSommaire(sortie, dateFact, totaux.nbFactures, totaux.nbArticles,
                   totaux.montantAvantRabais, totaux.montantRabais, totaux.montantTaxes,
                   totaux.montantTotal, totaux.nbMembre, totaux.nbVip, totaux.nbNonMembre);
}
