#include "report/facture_magasin.hpp"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// The item line's columns, from the left: each field's width, then where it begins or ends
// (counted from 0), a blank between two fields. The widest ordinary values fill them: an
// article of -99999999, a quantity of -99999, a price of -99999.99$, a line of -9999999.99$;
// the description, continued below, takes what is left.
constexpr std::size_t largeurNoArticle = 9;
constexpr std::size_t largeurDescription = 13;
constexpr std::size_t largeurQty = 6;
constexpr std::size_t largeurPrix = 10;
constexpr std::size_t largeurMontant = 12;
constexpr std::size_t largeurSel = 4;     // its heading's
constexpr std::size_t largeurRabais = 6;  // its heading's
constexpr std::size_t finNoArticle = largeurNoArticle;
constexpr std::size_t debutDescription = finNoArticle + 1;
constexpr std::size_t finQty = debutDescription + largeurDescription + 1 + largeurQty;
constexpr std::size_t finPrix = finQty + 1 + largeurPrix;
constexpr std::size_t finSousTotal = finPrix + 1 + largeurMontant;
constexpr std::size_t debutSel = finSousTotal + 1;
constexpr std::size_t finRabais = debutSel + largeurSel + 1 + largeurRabais;
constexpr std::size_t finTotal = finRabais + 1 + largeurMontant;
static_assert(finTotal == largeurPage, "the item line fills the page");

// The footer's labels end where the discount's column does, its figures in the total's.
constexpr std::size_t finLibelle = finRabais;
// The client line: the label, the client's number (-99999999 at the widest), the names.
constexpr std::string_view etiquetteClient = "Client :";
constexpr std::string_view etiquetteNo = "No :";
constexpr std::size_t largeurNoClient = 9;
constexpr std::size_t debutNoClient = etiquetteClient.size() + 1;
constexpr std::size_t debutNoms = debutNoClient + largeurNoClient + 1;
// The thank-you line is centred as the program's own is, in a field that counted its line end.
constexpr std::size_t largeurMerci = 77;

// The summary's columns: labels, then counts, then amounts and shares before their sign.
constexpr std::size_t finLibelleSommaire = 42;
constexpr std::size_t finCompte = 56;
constexpr std::size_t finMontantSommaire = 54;
constexpr std::size_t debutTitreSommaire = 21;

const std::string regle(largeurPage, '=');
const std::string tirets(largeurPage, '-');

// Each block's lines and numbers, for its room besides its words.
constexpr std::size_t lignesEntete = 9;
constexpr std::size_t nombresEntete = 2;
constexpr std::size_t nombresLigne = 6;
constexpr std::size_t lignesPied = 10;
constexpr std::size_t nombresPied = 6;
constexpr std::size_t lignesSommaire = 14;
constexpr std::size_t nombresSommaire = 9;

// Each printer's own memory, reused from one invoice to the next.
std::vector<char> memoireEntete;
std::vector<char> memoireLigne;
std::vector<char> memoirePied;
std::vector<char> memoireSommaire;

void finLigne(Bloc& bloc, const char*& debutLigne) {
    ajouterTexte(bloc, "\n");
    debutLigne = bloc.fin;
}

// A label, filled to its figure's column, and its figure, an amount or a count, on a line of
// their own: a figure wider than its column follows the label's blank, as a field placed does.
void ajouterTotalMagasin(Bloc& bloc, const std::string& libelle, Centimes montant) {
    ajouterTexte(bloc, libelle);
    ajouterMontant(bloc, montant, static_cast<int>(largeurMontant - 1));
    ajouterTexte(bloc, "$\n");
}

void ajouterCompteMagasin(Bloc& bloc, const std::string& libelle, long long compte) {
    ajouterTexte(bloc, libelle);
    ajouterEntier(bloc, compte, static_cast<int>(largeurMontant), Cadrage::Droite);
    ajouterTexte(bloc, "\n");
}

// The summary's lines: a label, then its count, amount or share.
void ajouterCompteSommaire(Bloc& bloc, std::string_view libelle, long long valeur,
                           std::size_t finValeur, std::string_view fin) {
    const char* const debut = bloc.fin;
    placerDroite(bloc, debut, libelle, finLibelleSommaire);
    placerEntier(bloc, debut, valeur, finValeur);
    ajouterTexte(bloc, fin);
}

void ajouterMontantSommaire(Bloc& bloc, std::string_view libelle, Centimes valeur) {
    const char* const debut = bloc.fin;
    placerDroite(bloc, debut, libelle, finLibelleSommaire);
    placerMontant(bloc, debut, valeur, finMontantSommaire, "");
    ajouterTexte(bloc, " $\n");
}

std::string texteDe(const std::vector<char>& memoire, const Bloc& bloc) {
    return std::string(memoire.data(), static_cast<std::size_t>(bloc.fin - memoire.data()));
}

// A footer's label as its line begins: ending where the discounts' column does, then a blank.
std::string libellePied(std::string_view libelle) {
    std::vector<char> memoire;
    Bloc bloc = commencerBloc(memoire, finLibelle + 1 + libelle.size());
    placerDroite(bloc, bloc.fin, libelle, finLibelle);
    ajouterTexte(bloc, " ");
    return texteDe(memoire, bloc);
}

long long parFacture(long long valeur, long long nbFactures) {
    // GCOVR_EXCL_BR_START: every summary follows an invoice; no division by zero all the same
    return nbFactures == 0 ? 0 : valeur / nbFactures;
    // GCOVR_EXCL_BR_STOP
}

// The usual item line, every value within its column: a blank line is laid down whole and
// the values written into it, at a fraction of the cost of placing them one by one. False,
// with the block as it was, when a value does not fit (negative amounts included): the
// general path then places the line. A discount is 0 to 100 %, which the settings see to: it
// always fits its column.
bool ajouterLigneUsuelle(Bloc& bloc, const LigneMagasin& ligne) {
    constexpr unsigned long long articleMax = 100000000;  // 8 digits
    constexpr unsigned long long qtyMax = 1000000;        // 6 digits
    if (ligne.noArticle < 0 || static_cast<unsigned long long>(ligne.noArticle) >= articleMax ||
        ligne.qty < 0 || static_cast<unsigned long long>(ligne.qty) >= qtyMax) {
        return false;
    }
    char* const debut = bloc.fin;
    ajouterBlancs(bloc, largeurPage);
    ajouterTexte(bloc, "\n");
    const auto largeurChiffres = [](std::size_t largeur) { return static_cast<int>(largeur - 1); };
    if (!montantEnPlace(debut + finPrix - 1, ligne.prix, largeurChiffres(largeurPrix)) ||
        !montantEnPlace(debut + finSousTotal - 1, ligne.sousTotal,
                        largeurChiffres(largeurMontant)) ||
        !montantEnPlace(debut + finTotal - 1, ligne.totalLigne, largeurChiffres(largeurMontant))) {
        bloc.fin = debut;
        return false;
    }
    debut[finPrix - 1] = '$';
    debut[finSousTotal - 1] = '$';
    debut[finTotal - 1] = '$';
    chiffresAvant(debut + finNoArticle, static_cast<unsigned long long>(ligne.noArticle));
    const std::string_view description = ligne.description.substr(0, largeurDescription);
    std::memcpy(debut + debutDescription, description.data(), description.size());
    chiffresAvant(debut + finQty, static_cast<unsigned long long>(ligne.qty));
    const std::string_view choix = ligne.sel == 's' ? "oui" : "non";
    std::copy(choix.begin(), choix.end(), debut + debutSel);
    debut[finRabais - 1] = '%';
    chiffresAvant(debut + finRabais - 1, static_cast<unsigned long long>(ligne.tauxRabais));
    return true;
}

}  // namespace

TextesMagasin preparerTextesMagasin(const Identite& magasin, std::string_view libelleTps,
                                    std::string_view libelleTvq) {
    TextesMagasin textes;
    textes.nom = magasin.nom;
    textes.adresse = magasin.adresse.front();
    for (std::size_t i = 1; i < magasin.adresse.size(); ++i) {
        textes.suiteEntete += magasin.adresse[i] + "\n";
    }
    if (!magasin.noTps.empty()) textes.suiteEntete += "No TPS : " + magasin.noTps + "\n";
    if (!magasin.noTvq.empty()) textes.suiteEntete += "No TVQ : " + magasin.noTvq + "\n";
    textes.suiteEntete += tirets + "\n";

    std::vector<char> memoire;
    Bloc bloc = commencerBloc(memoire, 2 * (largeurPage + 1));
    const char* const debut = bloc.fin;
    placerDroite(bloc, debut, "No.Art.", finNoArticle);
    placerGauche(bloc, debut, "Description", debutDescription);
    placerDroite(bloc, debut, "Qt\xE9", finQty);  // 0xE9: e acute, Windows-1252
    placerDroite(bloc, debut, "Prix", finPrix);
    placerDroite(bloc, debut, "Sous-total", finSousTotal);
    placerGauche(bloc, debut, "S\xE9l.", debutSel);
    placerDroite(bloc, debut, "Rabais", finRabais);
    placerDroite(bloc, debut, "Total", finTotal);
    ajouterTexte(bloc, "\n");
    textes.titres = texteDe(memoire, bloc) + regle + "\n";
    // The store's and the date's lines, the client's and a blank one, then the rest as made.
    textes.lignesEntete =
        4 +
        static_cast<std::size_t>(
            std::count(textes.suiteEntete.begin(), textes.suiteEntete.end(), '\n')) +
        static_cast<std::size_t>(std::count(textes.titres.begin(), textes.titres.end(), '\n'));

    const std::string_view libelles[] = {"sous-total :",
                                         libelleTps,
                                         libelleTvq,
                                         "total :",
                                         "Nb. d'article sur la facture :",
                                         "Aujourd'hui, vous avez \xE9pargn\xE9 :"};
    for (std::size_t i = 0; i < std::size(libelles); ++i) {
        textes.libelles[i] = libellePied(libelles[i]);
    }
    const std::size_t marge = (largeurMerci - std::min(magasin.merci.size(), largeurMerci)) / 2;
    textes.finPied =
        regle + "\n" + std::string(marge, ' ') + magasin.merci + "\n" + regle + "\n\f\n\n";
    return textes;
}

void ecrireEnteteMagasin(std::ostream& flux, const TextesMagasin& textes, long long noFacture,
                         std::string_view dateFact, int noClient, std::string_view prenom,
                         std::string_view nom) {
    Bloc bloc = commencerBloc(memoireEntete, capacite(lignesEntete, nombresEntete) +
                                                 textes.nom.size() + textes.adresse.size() +
                                                 textes.suiteEntete.size() + textes.titres.size() +
                                                 dateFact.size() + prenom.size() + nom.size());
    const char* debut = bloc.fin;
    placerGauche(bloc, debut, textes.nom, 0);
    // "No : 12" ends the line: its label a blank before the number.
    placerDroite(bloc, debut, etiquetteNo, largeurPage - longueurEntier(noFacture) - 1);
    placerEntier(bloc, debut, noFacture, largeurPage);
    finLigne(bloc, debut);
    placerGauche(bloc, debut, textes.adresse, 0);
    placerDroite(bloc, debut, dateFact, largeurPage);
    finLigne(bloc, debut);
    ajouterTexte(bloc, textes.suiteEntete);
    debut = bloc.fin;
    ajouterTexte(bloc, etiquetteClient);
    placerEntier(bloc, debut, noClient, debutNoClient + longueurEntier(noClient));
    placerGauche(bloc, debut, prenom, debutNoms);
    ajouterTexte(bloc, " ");
    ajouterTexte(bloc, nom);
    ajouterTexte(bloc, "\n\n");
    ajouterTexte(bloc, textes.titres);
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

void ecrireLigneMagasin(std::ostream& flux, const LigneMagasin& ligne) {
    const std::size_t suites = ligne.description.size() / largeurDescription + 1;
    Bloc bloc =
        commencerBloc(memoireLigne, capacite(suites + 1, nombresLigne) + ligne.description.size());
    const char* debut = bloc.fin;
    if (!ajouterLigneUsuelle(bloc, ligne)) {
        placerEntier(bloc, debut, ligne.noArticle, finNoArticle);
        placerGauche(bloc, debut, ligne.description.substr(0, largeurDescription),
                     debutDescription);
        placerEntier(bloc, debut, ligne.qty, finQty);
        placerMontant(bloc, debut, ligne.prix, finPrix);
        placerMontant(bloc, debut, ligne.sousTotal, finSousTotal);
        placerGauche(bloc, debut, ligne.sel == 's' ? "oui" : "non", debutSel);
        placerEntier(bloc, debut, ligne.tauxRabais, finRabais, "%");
        placerMontant(bloc, debut, ligne.totalLigne, finTotal);
        ajouterTexte(bloc, "\n");
    }
    for (std::size_t suite = largeurDescription; suite < ligne.description.size();
         suite += largeurDescription) {
        debut = bloc.fin;
        placerGauche(bloc, debut, ligne.description.substr(suite, largeurDescription),
                     debutDescription);
        ajouterTexte(bloc, "\n");
    }
    ecrireBloc(flux, bloc, Cadrage::Droite);
}

void ecrirePiedMagasin(std::ostream& flux, const TextesMagasin& textes,
                       const FactureCentimes& facture) {
    Bloc bloc =
        commencerBloc(memoirePied, capacite(lignesPied, nombresPied) + textes.finPied.size());
    ajouterTexte(bloc, "\n");
    ajouterTotalMagasin(bloc, textes.libelles[0], facture.sousTotalFacture);
    ajouterTotalMagasin(bloc, textes.libelles[1], facture.tps);
    ajouterTotalMagasin(bloc, textes.libelles[2], facture.tvq);
    ajouterTotalMagasin(bloc, textes.libelles[3], facture.totalFacture);
    ajouterTexte(bloc, "\n");
    ajouterCompteMagasin(bloc, textes.libelles[4], facture.nbArticleFacture);
    if (facture.rabaisFacture != 0) {
        ajouterTotalMagasin(bloc, textes.libelles[5], facture.rabaisFacture);
    }
    ajouterTexte(bloc, textes.finPied);
    ecrireBloc(flux, bloc, Cadrage::Droite);
}

void ecrireSommaireMagasin(std::ostream& flux, std::string_view dateFact,
                           const TotauxJourCentimes& totaux) {
    Bloc bloc = commencerBloc(memoireSommaire,
                              capacite(lignesSommaire, nombresSommaire) + dateFact.size());
    const long long n = totaux.nbFactures;
    ajouterBlancs(bloc, debutTitreSommaire);
    ajouterTexte(bloc, "Sommaire des factures du ");
    ajouterTexte(bloc, dateFact);
    ajouterTexte(bloc, "\n");
    ajouterBlancs(bloc, debutTitreSommaire);
    ajouterTexte(bloc, "===================================\n\n");
    ajouterCompteSommaire(bloc, "Nombre de factures :", n, finCompte, "\n");
    ajouterCompteSommaire(bloc, "Moyenne d'article par client :", parFacture(totaux.nbArticles, n),
                          finCompte, "\n\n");
    const std::pair<std::string_view, Centimes> montants[] = {
        {"Montant total des factures avant rabais :", totaux.montantAvantRabais},
        {"Montant total des rabais :", totaux.montantRabais},
        {"Montant total des taxes :", totaux.montantTaxes},
        {"Montant total avec rabais et taxes :", totaux.montantTotal}};
    for (const auto& [libelle, montant] : montants) {
        ajouterMontantSommaire(bloc, libelle, montant);
    }
    ajouterTexte(bloc, "\n");
    const std::pair<std::string_view, long long> parts[] = {
        {"Clients membre :", totaux.nbMembre},
        {"Clients VIP :", totaux.nbVip},
        {"Clients Non-membre :", totaux.nbNonMembre}};
    for (const auto& [libelle, nombre] : parts) {
        ajouterCompteSommaire(bloc, libelle, parFacture(nombre * 100, n), finMontantSommaire,
                              " %\n");
    }
    ecrireBloc(flux, bloc, Cadrage::Droite);
}
