#include "sommaire.hpp"

#include <string_view>

#include "champs.hpp"

namespace {

long long parFacture(long long valeur, long long nbFactures) {
    return nbFactures == 0 ? 0 : valeur / nbFactures;
}

void ecrireLigne(std::ostream& flux, std::string_view libelle, std::string_view valeur,
                 int largeur, std::string_view fin) {
    ecrireChamp(flux, libelle, 42, Cadrage::Droite);
    ecrireChamp(flux, valeur, largeur, Cadrage::Droite);
    ecrireTexte(flux, fin);
}

}  // namespace

void ecrireSommaire(std::ostream& flux, std::string dateFact, long long nbFactures,
                    long long nbArticles, float montantAvantRabais, float montantRabais,
                    float montantTaxes, float montantTotal, long long nbMembre, long long nbVip,
                    long long nbNonMembre) {
    reglerFlux(flux, Cadrage::Droite);
    ecrireChamp(flux, "Sommaire des factures du ", 46, Cadrage::Droite);
    ecrireTexte(flux, dateFact);
    ecrireTexte(flux, "\n");
    ecrireChamp(flux, "===================================", 56, Cadrage::Droite);
    ecrireTexte(flux, "\n\n");
    ecrireLigne(flux, "Nombre de factures :", entier(nbFactures).texte(), 14, "\n");
    ecrireLigne(flux, "Moyenne d'article par client :",
                entier(parFacture(nbArticles, nbFactures)).texte(), 14, "\n\n");
    ecrireLigne(flux,
                "Montant total des factures avant rabais :", montant(montantAvantRabais).texte(),
                12, " $\n");
    ecrireLigne(flux, "Montant total des rabais :", montant(montantRabais).texte(), 12, " $\n");
    ecrireLigne(flux, "Montant total des taxes :", montant(montantTaxes).texte(), 12, " $\n");
    ecrireLigne(flux, "Montant total avec rabais et taxes :", montant(montantTotal).texte(), 12,
                " $\n\n");
    ecrireLigne(flux, "Clients membre :", entier(parFacture(nbMembre * 100, nbFactures)).texte(),
                12, " %\n");
    ecrireLigne(flux, "Clients VIP :", entier(parFacture(nbVip * 100, nbFactures)).texte(), 12,
                " %\n");
    ecrireLigne(flux,
                "Clients Non-membre :", entier(parFacture(nbNonMembre * 100, nbFactures)).texte(),
                12, " %\n");
}
