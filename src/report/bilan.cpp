#include "report/bilan.hpp"

#include <vector>

#include "report/champs.hpp"

namespace {

// The day's line: its date, the count of invoices, then the six amounts (avant rabais,
// rabais, sous-total, tps, tvq, total), each column ending where the next begins less a
// blank. The widths hold an ordinary store's day: 99,999 invoices, 9,999,999.99 $ of sales.
constexpr std::size_t largeurDate = 10;
constexpr std::size_t largeurNb = 5;
constexpr std::size_t largeursMontants[] = {10, 9, 10, 9, 9, 10};
constexpr std::size_t nbMontants = std::size(largeursMontants);
constexpr std::size_t finNb = largeurDate + 1 + largeurNb;
constexpr std::size_t debutEtat = largeurDate + 1;

constexpr std::size_t finMontant(std::size_t i) {
    std::size_t fin = finNb;
    for (std::size_t j = 0; j <= i; ++j) fin += 1 + largeursMontants[j];
    return fin;
}
static_assert(finMontant(nbMontants - 1) == largeurPage, "the day's line fills the page");

// The return's lines: the label, then the amount ending before " $" at the page's end.
constexpr std::string_view suffixeDeclaration = " $";
constexpr std::size_t finDeclaration = largeurPage - suffixeDeclaration.size();
constexpr std::string_view horsLimite = "hors limite";

// A line's numbers, for its room: the count of invoices and the six amounts.
constexpr std::size_t nombresJour = 7;

const std::string regle(largeurPage, '=');
const std::string tirets(largeurPage, '-');

std::vector<char> memoireBilan;

const Somme* montantsDe(const FiguresFactures& f, std::size_t i) {
    const Somme* const montants[] = {&f.avantRabais, &f.rabais, &f.sousTotal,
                                     &f.tps,         &f.tvq,    &f.total};
    return montants[i];
}

void placerSomme(Bloc& bloc, const char* debut, const Somme& somme, std::size_t fin) {
    if (somme.horsLimite) {
        placerDroite(bloc, debut, horsLimite, fin);
    } else {
        placerMontant(bloc, debut, somme.centimes, fin, "");
    }
}

// A line of figures after its label (a date, "Total"), then its line end.
void ajouterFigures(Bloc& bloc, std::string_view libelle, const FiguresFactures& figures) {
    const char* const debut = bloc.fin;
    placerGauche(bloc, debut, libelle, 0);
    placerEntier(bloc, debut, figures.nbFactures, finNb);
    for (std::size_t i = 0; i < nbMontants; ++i) {
        placerSomme(bloc, debut, *montantsDe(figures, i), finMontant(i));
    }
    ajouterTexte(bloc, "\n");
}

void ajouterEtat(Bloc& bloc, std::string_view date, std::string_view etat) {
    const char* const debut = bloc.fin;
    placerGauche(bloc, debut, date, 0);
    placerGauche(bloc, debut, etat, debutEtat);
    ajouterTexte(bloc, "\n");
}

void ajouterSommeCsv(Bloc& bloc, const Somme& somme) {
    ajouterTexte(bloc, ";");
    if (somme.horsLimite) {
        ajouterTexte(bloc, horsLimite);
    } else {
        ajouterMontant(bloc, somme.centimes, 0, ',');
    }
}

}  // namespace

bool jourSansFaute(const EtatJour& etat) {
    return !etat.absent && !etat.vide && etat.avertissements == 0 && !etat.aFacturer &&
           !etat.dateDifferente;
}

std::string texteEtat(const EtatJour& etat, bool pourJournal) {
    std::string texte;
    const auto ajouterMot = [&](const std::string& mot) {
        if (!texte.empty()) texte += pourJournal ? " " : ", ";
        texte += mot;
    };
    if (etat.absent) ajouterMot("absent");
    if (etat.vide) ajouterMot("vide");
    if (etat.avertissements > 0) {
        const std::string compte =
            " (" + std::to_string(etat.avertissements) +
            (etat.avertissements == 1 ? " avertissement)" : " avertissements)");
        ajouterMot(pourJournal ? "endommage" : "endommage" + compte);
    }
    if (etat.aFacturer) ajouterMot("a facturer");
    if (etat.dateDifferente) ajouterMot("date differente");
    return texte;
}

void ecrireEnteteBilan(std::ostream& flux, const Identite& magasin, std::string_view debut,
                       std::string_view fin, std::string_view taxes) {
    std::string texte = magasin.nom + "\n";
    for (const std::string& ligne : magasin.adresse) texte += ligne + "\n";
    if (!magasin.noTps.empty()) texte += "No TPS : " + magasin.noTps + "\n";
    if (!magasin.noTvq.empty()) texte += "No TVQ : " + magasin.noTvq + "\n";
    texte += regle + "\n";
    texte += "Bilan des ventes du " + std::string(debut) + " au " + std::string(fin) + "\n";
    texte += "Taxes : " + std::string(taxes) + "\n" + regle + "\n\n";
    flux << texte;

    Bloc bloc = commencerBloc(memoireBilan, capacite(3, 0));
    const char* ligne = bloc.fin;
    placerDroite(bloc, ligne, "Avant", finMontant(0));
    ajouterTexte(bloc, "\n");
    ligne = bloc.fin;
    const std::string_view titres[] = {"rabais", "Rabais", "Sous-total", "TPS", "TVQ", "Total"};
    placerGauche(bloc, ligne, "Journee", 0);
    placerDroite(bloc, ligne, "Fact.", finNb);
    for (std::size_t i = 0; i < nbMontants; ++i)
        placerDroite(bloc, ligne, titres[i], finMontant(i));
    ajouterTexte(bloc, "\n");
    ajouterTexte(bloc, tirets);
    ajouterTexte(bloc, "\n");
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

void ecrireJourBilan(std::ostream& flux, std::string_view date, const FiguresFactures& figures,
                     const EtatJour& etat) {
    const std::string texte = texteEtat(etat, false);
    Bloc bloc = commencerBloc(memoireBilan, capacite(2, nombresJour) + date.size() + texte.size());
    if (etat.absent || etat.vide) {
        ajouterEtat(bloc, date, texte);
    } else {
        ajouterFigures(bloc, date, figures);
        if (!texte.empty()) ajouterEtat(bloc, "", texte);
    }
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

void ecrireRegleBilan(std::ostream& flux) {
    flux << tirets + "\n";
}

void ecrireTotalBilan(std::ostream& flux, std::string_view titre, const FiguresFactures& figures) {
    Bloc bloc = commencerBloc(memoireBilan, capacite(2, nombresJour) + titre.size());
    ajouterTexte(bloc, titre);
    ajouterTexte(bloc, "\n");
    ajouterFigures(bloc, "Total", figures);
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

void ecrireDeclaration(std::ostream& flux, const FiguresFactures& figures) {
    const std::string_view libelles[] = {"Ligne 101  Ventes sans les taxes (sous-totaux) :",
                                         "Ligne 103  TPS percue :", "Ligne 203  TVQ percue :"};
    const Somme* const montants[] = {&figures.sousTotal, &figures.tps, &figures.tvq};
    Bloc bloc = commencerBloc(memoireBilan, capacite(4, 3) + 3 * largeurPage);
    ajouterTexte(bloc, "\n");
    for (std::size_t i = 0; i < std::size(libelles); ++i) {
        const char* const debut = bloc.fin;
        ajouterTexte(bloc, libelles[i]);
        placerSomme(bloc, debut, *montants[i], finDeclaration);
        if (!montants[i]->horsLimite) ajouterTexte(bloc, suffixeDeclaration);
        ajouterTexte(bloc, "\n");
    }
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

void ecrireEnteteBilanCsv(std::ostream& flux) {
    flux << "\xEF\xBB\xBF"
            "date;factures;avant rabais;rabais;sous-total;tps;tvq;total;etat\r\n";
}

void ecrireJourBilanCsv(std::ostream& flux, std::string_view date, const FiguresFactures& figures,
                        std::string_view etat) {
    Bloc bloc = commencerBloc(memoireBilan, capacite(1, nombresJour) + date.size() + etat.size());
    ajouterTexte(bloc, date);
    ajouterTexte(bloc, ";");
    ajouterEntier(bloc, figures.nbFactures, 0, Cadrage::Gauche);
    for (std::size_t i = 0; i < nbMontants; ++i) ajouterSommeCsv(bloc, *montantsDe(figures, i));
    ajouterTexte(bloc, ";");
    ajouterTexte(bloc, etat);
    ajouterTexte(bloc, "\r\n");
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}
