#include "report/journal.hpp"

#include <algorithm>
#include <vector>

#include "report/champs.hpp"
#include "util/windows1252.hpp"

namespace {

constexpr std::string_view separateur = ";";
constexpr std::string_view finEnregistrement = "\r\n";
constexpr std::string_view entete =
    "\xEF\xBB\xBF"
    "date;facture;client;prenom;nom;categorie;articles;avant rabais;rabais;sous-total;tps;tvq;"
    "total\r\n";

// A record's fields besides its texts, for its room: three integers and six amounts.
constexpr std::size_t nombresLigne = 9;
constexpr std::size_t champsLigne = 13;

// The most a text of n bytes takes: three bytes of UTF-8 a byte, its quotes and a '.
constexpr std::size_t placeTexte(std::size_t n) {
    return 3 * n + 3;
}

void ajouterTexteCsv(Bloc& bloc, std::string_view texte) {
    const bool entreGuillemets = texte.find_first_of(";\"") != std::string_view::npos;
    if (entreGuillemets) ajouterTexte(bloc, "\"");
    if (!texte.empty() && std::string_view("=+-@").find(texte.front()) != std::string_view::npos) {
        ajouterTexte(bloc, "'");
    }
    for (const char c : texte) {
        if (c == '"') {
            ajouterTexte(bloc, "\"\"");
        } else {
            verifierPlace(bloc, 3);
            bloc.fin = versUtf8(static_cast<unsigned char>(c), bloc.fin);
        }
    }
    if (entreGuillemets) ajouterTexte(bloc, "\"");
    ajouterTexte(bloc, separateur);
}

void ajouterEntierCsv(Bloc& bloc, long long valeur) {
    ajouterEntier(bloc, valeur, 0, Cadrage::Gauche);
    ajouterTexte(bloc, separateur);
}

// The invoice's two decimals, with a comma for the point.
void ajouterMontantCsv(Bloc& bloc, float valeur, std::string_view fin) {
    char* const debut = bloc.fin;
    ajouterMontant(bloc, valeur, 0);
    std::replace(debut, bloc.fin, '.', ',');
    ajouterTexte(bloc, fin);
}

// The printer's own memory, reused from one record to the next.
std::vector<char> memoireJournal;

}  // namespace

void ecrireEnteteJournal(std::ostream& flux) {
    flux.write(entete.data(), static_cast<std::streamsize>(entete.size()));
}

void ecrireLigneJournal(std::ostream& flux, std::string_view dateFact, long long noFacture,
                        int noClient, std::string_view prenom, std::string_view nom,
                        std::string_view categorie, long long nbArticles, float avantRabais,
                        float rabais, float sousTotal, float tps, float tvq, float total) {
    Bloc bloc = commencerBloc(
        memoireJournal, placeTexte(dateFact.size()) + placeTexte(prenom.size()) +
                            placeTexte(nom.size()) + categorie.size() +
                            nombresLigne * tailleNombre + champsLigne + finEnregistrement.size());
    ajouterTexteCsv(bloc, dateFact);
    ajouterEntierCsv(bloc, noFacture);
    ajouterEntierCsv(bloc, noClient);
    ajouterTexteCsv(bloc, prenom);
    ajouterTexteCsv(bloc, nom);
    ajouterTexte(bloc, categorie);
    ajouterTexte(bloc, separateur);
    ajouterEntierCsv(bloc, nbArticles);
    for (const float montant : {avantRabais, rabais, sousTotal, tps, tvq}) {
        ajouterMontantCsv(bloc, montant, separateur);
    }
    ajouterMontantCsv(bloc, total, finEnregistrement);
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}
