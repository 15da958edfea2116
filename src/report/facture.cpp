#include "report/facture.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "report/champs.hpp"

namespace {

constexpr std::string_view regle =
    "    =======================================================================\n";

// Each block's lines and numbers, for its room.
constexpr std::size_t lignesEntete = 9;
constexpr std::size_t nombresEntete = 2;
constexpr std::size_t lignesLigne = 1;
constexpr std::size_t nombresLigne = 6;
constexpr std::size_t lignesPied = 13;
constexpr std::size_t nombresPied = 6;

// The usual item line, every value within its field: its blank frame is copied whole and
// the values are written in place, at a fraction of the cost of appending field by field.
// The quantity, which has no field, stands between the frame's two parts. False, with the
// block as it was, when a value does not fit: the general path then writes the line.
bool ajouterLigneUsuelle(Bloc& texte, int noArticle, std::string_view description, int qty,
                         float prix, float sousTotal, char sel, int tauxRabais, float totalLigne) {
    constexpr std::string_view tete = "                          ";  // to the quantity
    constexpr std::string_view queue = "         $         $      non         %        $\n";
    if (noArticle < 0 || noArticle >= 100000000 || description.size() > 14 || qty < 0 ||
        tauxRabais < 0) {
        return false;
    }
    char* const debut = texte.fin;
    ajouterTexte(texte, tete);
    chiffresAvant(debut + 4 + longueurDecimale(static_cast<unsigned>(noArticle)),
                  static_cast<unsigned>(noArticle));
    std::memcpy(debut + 12, description.data(), description.size());
    ajouterEntier(texte, qty, 0, Cadrage::Gauche);
    char* const fin = texte.fin;
    ajouterTexte(texte, queue);
    if (!montantEnPlace(fin + 9, prix, 9) || !montantEnPlace(fin + 19, sousTotal, 9) ||
        !montantEnPlace(fin + 47, totalLigne, 8)) {
        texte.fin = debut;
        return false;
    }
    if (sel == 's') std::copy_n("oui", 3, fin + 26);
    chiffresAvant(fin + 38, static_cast<unsigned>(tauxRabais));
    return true;
}

// Each printer's own memory, reused from one invoice to the next.
std::vector<char> memoireEntete;
std::vector<char> memoireLigne;
std::vector<char> memoirePied;

}  // namespace

void ecrireEnteteFacture(std::ostream& flux, long long noFacture, std::string_view dateFact,
                         int noClient, std::string_view prenom, std::string_view nom) {
    Bloc texte = commencerBloc(memoireEntete, capacite(lignesEntete, nombresEntete) +
                                                  dateFact.size() + prenom.size() + nom.size());
    ajouterChamp(texte, nomMagasin, 70, Cadrage::Gauche);
    ajouterChamp(texte, etiquetteNoFacture, 8, Cadrage::Droite);
    ajouterEntier(texte, noFacture, 0, Cadrage::Gauche);
    ajouterTexte(texte, "\n");
    ajouterChamp(texte, "1200 rue des Ormes", 69, Cadrage::Gauche);
    ajouterChamp(texte, dateFact, 9, Cadrage::Droite);
    ajouterTexte(
        texte,
        "\nMontvallon, Qc\n"
        "(123) 555-0142\n"
        "-------------------------------------------------------------------------------\n");
    ajouterTexte(texte, etiquetteClient);
    ajouterEntier(texte, noClient, 15, Cadrage::Gauche);
    ajouterTexte(texte, prenom);
    ajouterTexte(texte, " ");
    ajouterTexte(texte, nom);
    ajouterTexte(texte,
                 "\n\n"
                 "    No.Art. Description  Qty    Prix  Sous-Total  Selection   Rabais  Total\n");
    ajouterTexte(texte, regle);
    ecrireBloc(flux, texte, Cadrage::Gauche);
}

void ecrireLigneFacture(std::ostream& flux, int noArticle, std::string_view description, int qty,
                        float prix, float sousTotal, char sel, int tauxRabais, float totalLigne) {
    Bloc texte =
        commencerBloc(memoireLigne, capacite(lignesLigne, nombresLigne) + description.size());
    if (ajouterLigneUsuelle(texte, noArticle, description, qty, prix, sousTotal, sel, tauxRabais,
                            totalLigne)) {
        ecrireBloc(flux, texte, Cadrage::Droite);
        return;
    }
    ajouterTexte(texte, "    ");
    ajouterEntier(texte, noArticle, 8, Cadrage::Gauche);
    ajouterChamp(texte, description, 14, Cadrage::Gauche);
    // The quantity has no field: each digit past the first moves the rest of the line.
    ajouterEntier(texte, qty, 0, Cadrage::Gauche);
    ajouterMontant(texte, prix, 9);
    ajouterTexte(texte, "$");
    ajouterMontant(texte, sousTotal, 9);
    ajouterTexte(texte, "$");
    ajouterChamp(texte, sel == 's' ? "oui" : "non", 9, Cadrage::Droite);
    ajouterEntier(texte, tauxRabais, 9, Cadrage::Droite);
    ajouterTexte(texte, "%");
    ajouterMontant(texte, totalLigne, 8);
    ajouterTexte(texte, "$\n");
    ecrireBloc(flux, texte, Cadrage::Droite);
}

void ecrirePiedFacture(std::ostream& flux, float sousTotalFacture, float tps, float tvq,
                       float totalFacture, long long nbArticleFacture, float rabaisFacture) {
    Bloc texte = commencerBloc(memoirePied, capacite(lignesPied, nombresPied));
    ajouterTexte(texte, "\n");
    ajouterTotal(texte, "sous-total : ", 59, sousTotalFacture, 15, "$\n");
    ajouterTotal(texte, "tps : ", 59, tps, 15, "$\n");
    ajouterTotal(texte, "tvq : ", 59, tvq, 15, "$\n");
    ajouterTotal(texte, "total : ", 59, totalFacture, 15, "$\n\n");
    ajouterTexte(texte, " Nb. d'article sur la facture : ");
    ajouterEntier(texte, nbArticleFacture, 4, Cadrage::Droite);
    // Only an exact zero hides the savings: 0.001 saved still prints 0.00.
    if (rabaisFacture != 0.0f) {
        ajouterTexte(texte, "Aujourd'hui, vous avez \xE9pargn\xE9 : ");  // 0xE9: e acute, Latin-1
        ajouterMontant(texte, rabaisFacture, 8);
        ajouterTexte(texte, "$");
    }
    ajouterTexte(texte, "\n");
    ajouterTexte(texte, regle);
    // The field of 57 counts the line end too: 21 blanks, not 22.
    ajouterChamp(texte, "Merci d'avoir magasine chez Mo-Tino\n", 57, Cadrage::Droite);
    ajouterTexte(texte, regle);
    ajouterTexte(texte, "\f\n\n");
    ecrireBloc(flux, texte, Cadrage::Droite);
}
