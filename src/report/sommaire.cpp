#include "report/sommaire.hpp"

#include <string_view>
#include <vector>

#include "report/champs.hpp"

namespace {

// Fourteen lines, nine numbers: the summary's room besides its date.
constexpr std::size_t lignesSommaire = 14;
constexpr std::size_t nombresSommaire = 9;
std::vector<char> memoireSommaire;  // this printer's own, reused from one day to the next

long long parFacture(long long valeur, long long nbFactures) {
    // GCOVR_EXCL_BR_START: every summary follows an invoice; no division by zero all the same
    return nbFactures == 0 ? 0 : valeur / nbFactures;
    // GCOVR_EXCL_BR_STOP
}

void ajouterCompte(Bloc& texte, std::string_view libelle, long long valeur, int largeur,
                   std::string_view fin) {
    ajouterChamp(texte, libelle, 42, Cadrage::Droite);
    ajouterEntier(texte, valeur, largeur, Cadrage::Droite);
    ajouterTexte(texte, fin);
}

}  // namespace

void ecrireSommaire(std::ostream& flux, std::string_view dateFact, long long nbFactures,
                    long long nbArticles, float montantAvantRabais, float montantRabais,
                    float montantTaxes, float montantTotal, long long nbMembre, long long nbVip,
                    long long nbNonMembre) {
    Bloc texte = commencerBloc(memoireSommaire,
                               capacite(lignesSommaire, nombresSommaire) + dateFact.size());
    ajouterChamp(texte, titreSommaire, 46, Cadrage::Droite);
    ajouterTexte(texte, dateFact);
    ajouterTexte(texte, "\n");
    ajouterChamp(texte, "===================================", 56, Cadrage::Droite);
    ajouterTexte(texte, "\n\n");
    ajouterCompte(texte, "Nombre de factures :", nbFactures, 14, "\n");
    ajouterCompte(texte, "Moyenne d'article par client :", parFacture(nbArticles, nbFactures), 14,
                  "\n\n");
    ajouterTotal(texte, "Montant total des factures avant rabais :", 42, montantAvantRabais, 12,
                 " $\n");
    ajouterTotal(texte, "Montant total des rabais :", 42, montantRabais, 12, " $\n");
    ajouterTotal(texte, "Montant total des taxes :", 42, montantTaxes, 12, " $\n");
    ajouterTotal(texte, "Montant total avec rabais et taxes :", 42, montantTotal, 12, " $\n\n");
    ajouterCompte(texte, "Clients membre :", parFacture(nbMembre * 100, nbFactures), 12, " %\n");
    ajouterCompte(texte, "Clients VIP :", parFacture(nbVip * 100, nbFactures), 12, " %\n");
    ajouterCompte(texte, "Clients Non-membre :", parFacture(nbNonMembre * 100, nbFactures), 12,
                  " %\n");
    ecrireBloc(flux, texte, Cadrage::Droite);
}
