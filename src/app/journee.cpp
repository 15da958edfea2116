#include "journee.hpp"

#include "ventes.hpp"

void facturerJournee(std::istream& entree, [[maybe_unused]] std::ostream& sortie,
                     std::ostream& console, std::string& dateFact) {
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
    do {
        for (int i = 0; i < client.nbArticle; ++i) lireArticle(entree, article);
    } while (lireClient(entree, client));
}
