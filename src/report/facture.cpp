#include "report/facture.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "report/champs.hpp"

namespace {

constexpr std::string_view regle =
    "    =======================================================================\n";

// The header's fields: the store's name before the invoice number, its first address line
// before the date.
constexpr int largeurNom = 70;
constexpr int largeurNoFacture = 8;
constexpr int largeurAdresse = 69;
constexpr int largeurDate = 9;
constexpr int largeurNoClient = 15;
// The footer's: each total's label and amount, the savings, the thank-you line.
constexpr int largeurLibelle = 59;
constexpr int largeurTotal = 15;
constexpr int largeurEpargne = 8;
constexpr int largeurMerci = 57;

// Each block's lines and numbers, for its room (the header's besides its address lines).
constexpr std::size_t lignesEntete = lignesEnteteFacture;
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

// The program's own store's texts, laid out once: the heading's name and first address line
// filled to their fields, the further lines and the dashed rule, the taxes' labels and the
// end of the footer.
struct Textes {
    std::string nom;
    std::string adresse;
    std::string suiteEntete;
    std::string libelleTps;
    std::string libelleTvq;
    std::string finPied;
};

// A text filled with blanks to a field, as ajouterChamp writes it.
std::string champ(std::string_view valeur, int largeur, Cadrage cadrage) {
    std::vector<char> memoire;
    Bloc bloc = commencerBloc(memoire, valeur.size() + static_cast<std::size_t>(largeur));
    ajouterChamp(bloc, valeur, largeur, cadrage);
    return std::string(bloc.debut, bloc.fin);
}

Textes preparerTextes() {
    Textes textes;
    textes.nom = champ(nomMagasin, largeurNom, Cadrage::Gauche);
    textes.adresse = champ("1200 rue des Ormes", largeurAdresse, Cadrage::Gauche);
    textes.suiteEntete =
        "Montvallon, Qc\n(123) 555-0142\n"
        "-------------------------------------------------------------------------------\n";
    textes.libelleTps = champ("tps : ", largeurLibelle, Cadrage::Droite);
    textes.libelleTvq = champ("tvq : ", largeurLibelle, Cadrage::Droite);
    // The thank-you line in a field of 57 that counts its line end: 21 blanks before it.
    textes.finPied =
        std::string(regle) +
        champ("Merci d'avoir magasine chez Mo-Tino\n", largeurMerci, Cadrage::Droite) +
        std::string(regle) + "\f\n\n";
    return textes;
}

const Textes textesProgramme = preparerTextes();

void ecrirePied(std::ostream& flux, const Textes& textes, float sousTotalFacture, float tps,
                float tvq, float totalFacture, long long nbArticleFacture, float rabaisFacture,
                bool epargne) {
    Bloc texte =
        commencerBloc(memoirePied, capacite(lignesPied, nombresPied) + textes.libelleTps.size() +
                                       textes.libelleTvq.size() + textes.finPied.size());
    ajouterTexte(texte, "\n");
    ajouterTotal(texte, "sous-total : ", largeurLibelle, sousTotalFacture, largeurTotal, "$\n");
    ajouterTexte(texte, textes.libelleTps);
    ajouterMontant(texte, tps, largeurTotal);
    ajouterTexte(texte, "$\n");
    ajouterTexte(texte, textes.libelleTvq);
    ajouterMontant(texte, tvq, largeurTotal);
    ajouterTexte(texte, "$\n");
    ajouterTotal(texte, "total : ", largeurLibelle, totalFacture, largeurTotal, "$\n\n");
    ajouterTexte(texte, " Nb. d'article sur la facture : ");
    ajouterEntier(texte, nbArticleFacture, 4, Cadrage::Droite);
    if (epargne) {
        ajouterTexte(texte, "Aujourd'hui, vous avez \xE9pargn\xE9 : ");  // 0xE9: e acute, Latin-1
        ajouterMontant(texte, rabaisFacture, largeurEpargne);
        ajouterTexte(texte, "$");
    }
    ajouterTexte(texte, "\n");
    ajouterTexte(texte, textes.finPied);
    ecrireBloc(flux, texte, Cadrage::Droite);
}

}  // namespace

void ecrireEnteteFacture(std::ostream& flux, long long noFacture, std::string_view dateFact,
                         int noClient, std::string_view prenom, std::string_view nom) {
    const Textes& magasin = textesProgramme;
    Bloc texte =
        commencerBloc(memoireEntete, capacite(lignesEntete, nombresEntete) + magasin.nom.size() +
                                         magasin.adresse.size() + magasin.suiteEntete.size() +
                                         dateFact.size() + prenom.size() + nom.size());
    ajouterTexte(texte, magasin.nom);
    ajouterChamp(texte, etiquetteNoFacture, largeurNoFacture, Cadrage::Droite);
    ajouterEntier(texte, noFacture, 0, Cadrage::Gauche);
    ajouterTexte(texte, "\n");
    ajouterTexte(texte, magasin.adresse);
    ajouterChamp(texte, dateFact, largeurDate, Cadrage::Droite);
    ajouterTexte(texte, "\n");
    ajouterTexte(texte, magasin.suiteEntete);
    ajouterTexte(texte, etiquetteClient);
    ajouterEntier(texte, noClient, largeurNoClient, Cadrage::Gauche);
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
    // Only an exact zero hides the savings: 0.001 saved still prints 0.00.
    ecrirePied(flux, textesProgramme, sousTotalFacture, tps, tvq, totalFacture, nbArticleFacture,
               rabaisFacture, rabaisFacture != 0.0f);
}
