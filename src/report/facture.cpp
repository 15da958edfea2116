#include "facture.hpp"

#include "champs.hpp"

namespace {

constexpr std::string_view regle =
    "    =======================================================================\n";

void ecrireTotal(std::ostream& flux, std::string_view libelle, float valeur,
                 std::string_view fin) {
    ecrireChamp(flux, libelle, 59, Cadrage::Droite);
    ecrireChamp(flux, montant(valeur).texte(), 15, Cadrage::Droite);
    ecrireTexte(flux, fin);
}

}  // namespace

void ecrireEnteteFacture(std::ostream& flux, long long noFacture, std::string dateFact,
                         int noClient, std::string prenom, std::string nom) {
    reglerFlux(flux, Cadrage::Gauche);
    ecrireChamp(flux, "Magasin chez Mo-Tino", 70, Cadrage::Gauche);
    ecrireChamp(flux, "No : ", 8, Cadrage::Droite);
    ecrireTexte(flux, entier(noFacture).texte());
    ecrireTexte(flux, "\n");
    ecrireChamp(flux, "1200 rue des Ormes", 69, Cadrage::Gauche);
    ecrireChamp(flux, dateFact, 9, Cadrage::Droite);
    ecrireTexte(flux,
                "\nMontvallon, Qc\n"
                "(123) 555-0142\n"
                "-------------------------------------------------------------------------------\n"
                "Client : ");
    ecrireChamp(flux, entier(noClient).texte(), 15, Cadrage::Gauche);
    ecrireTexte(flux, prenom);
    ecrireTexte(flux, " ");
    ecrireTexte(flux, nom);
    ecrireTexte(flux,
                "\n\n"
                "    No.Art. Description  Qty    Prix  Sous-Total  Selection   Rabais  Total\n");
    ecrireTexte(flux, regle);
}

void ecrireLigneFacture(std::ostream& flux, int noArticle, std::string description, int qty,
                        float prix, float sousTotal, char sel, int tauxRabais, float totalLigne) {
    reglerFlux(flux, Cadrage::Droite);
    ecrireTexte(flux, "    ");
    ecrireChamp(flux, entier(noArticle).texte(), 8, Cadrage::Gauche);
    ecrireChamp(flux, description, 14, Cadrage::Gauche);
    // The quantity has no field: each digit past the first moves the rest of the line.
    ecrireTexte(flux, entier(qty).texte());
    ecrireChamp(flux, montant(prix).texte(), 9, Cadrage::Droite);
    ecrireTexte(flux, "$");
    ecrireChamp(flux, montant(sousTotal).texte(), 9, Cadrage::Droite);
    ecrireTexte(flux, "$");
    ecrireChamp(flux, sel == 's' ? "oui" : "non", 9, Cadrage::Droite);
    ecrireChamp(flux, entier(tauxRabais).texte(), 9, Cadrage::Droite);
    ecrireTexte(flux, "%");
    ecrireChamp(flux, montant(totalLigne).texte(), 8, Cadrage::Droite);
    ecrireTexte(flux, "$\n");
}

void ecrirePiedFacture(std::ostream& flux, float sousTotalFacture, float tps, float tvq,
                       float totalFacture, long long nbArticleFacture, float rabaisFacture) {
    reglerFlux(flux, Cadrage::Droite);
    ecrireTexte(flux, "\n");
    ecrireTotal(flux, "sous-total : ", sousTotalFacture, "$\n");
    ecrireTotal(flux, "tps : ", tps, "$\n");
    ecrireTotal(flux, "tvq : ", tvq, "$\n");
    ecrireTotal(flux, "total : ", totalFacture, "$\n\n");
    ecrireTexte(flux, " Nb. d'article sur la facture : ");
    ecrireChamp(flux, entier(nbArticleFacture).texte(), 4, Cadrage::Droite);
    // Only an exact zero hides the savings: 0.001 saved still prints 0.00.
    if (rabaisFacture != 0.0f) {
        ecrireTexte(flux, "Aujourd'hui, vous avez \xE9pargn\xE9 : ");  // 0xE9: e acute, Latin-1
        ecrireChamp(flux, montant(rabaisFacture).texte(), 8, Cadrage::Droite);
        ecrireTexte(flux, "$");
    }
    ecrireTexte(flux, "\n");
    ecrireTexte(flux, regle);
    // The field of 57 counts the line end too: 21 blanks, not 22.
    ecrireChamp(flux, "Merci d'avoir magasine chez Mo-Tino\n", 57, Cadrage::Droite);
    ecrireTexte(flux, regle);
    ecrireTexte(flux, "\f\n\n");
}
