#include "report/journal.hpp"

#include <array>
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

// What a byte asks of the journal: nothing (ASCII), to quote the field (the separator and
// the quote), to be written in UTF-8 (0x80 and above).
enum Besoin : unsigned char { Aucun = 0, Guillemets = 1, Utf8 = 2 };
constexpr auto besoins = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0x80; c < 0x100; ++c) table[c] = Utf8;
    table[';'] = table['"'] = Guillemets;
    return table;
}();

bool formule(std::string_view texte) {
    return !texte.empty() && (texte.front() == '=' || texte.front() == '+' ||
                              texte.front() == '-' || texte.front() == '@');
}

void ajouterTexteCsv(Bloc& bloc, std::string_view texte) {
    unsigned char besoin = Aucun;
    for (const char c : texte) besoin |= besoins[static_cast<unsigned char>(c)];
    const bool apostrophe = formule(texte);
    if (besoin == Aucun && !apostrophe) {  // most names
        ajouterTexte(bloc, texte);
        ajouterTexte(bloc, separateur);
        return;
    }
    const bool entreGuillemets = (besoin & Guillemets) != 0;
    if (entreGuillemets) ajouterTexte(bloc, "\"");
    if (apostrophe) ajouterTexte(bloc, "'");
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
template <class Montant>
void ajouterMontantCsv(Bloc& bloc, Montant valeur, std::string_view fin) {
    ajouterMontant(bloc, valeur, 0, ',');
    ajouterTexte(bloc, fin);
}

// The printer's own memory, reused from one record to the next.
std::vector<char> memoireJournal;

template <class Montant>
void ecrireLigne(std::ostream& flux, const EnregistrementJournal<Montant>& ligne) {
    Bloc bloc = commencerBloc(
        memoireJournal, placeTexte(ligne.dateFact.size()) + placeTexte(ligne.prenom.size()) +
                            placeTexte(ligne.nom.size()) + ligne.categorie.size() +
                            nombresLigne * tailleNombre + champsLigne + finEnregistrement.size());
    ajouterTexteCsv(bloc, ligne.dateFact);
    ajouterEntierCsv(bloc, ligne.noFacture);
    ajouterEntierCsv(bloc, ligne.noClient);
    ajouterTexteCsv(bloc, ligne.prenom);
    ajouterTexteCsv(bloc, ligne.nom);
    ajouterTexte(bloc, ligne.categorie);
    ajouterTexte(bloc, separateur);
    ajouterEntierCsv(bloc, ligne.nbArticles);
    for (const Montant montant :
         {ligne.avantRabais, ligne.rabais, ligne.sousTotal, ligne.tps, ligne.tvq}) {
        ajouterMontantCsv(bloc, montant, separateur);
    }
    ajouterMontantCsv(bloc, ligne.total, finEnregistrement);
    ecrireBloc(flux, bloc, Cadrage::Gauche);
}

}  // namespace

void ecrireEnteteJournal(std::ostream& flux) {
    flux.write(entete.data(), static_cast<std::streamsize>(entete.size()));
}

void ecrireLigneJournal(std::ostream& flux, const EnregistrementJournal<float>& ligne) {
    ecrireLigne(flux, ligne);
}

void ecrireLigneJournal(std::ostream& flux, const EnregistrementJournal<Centimes>& ligne) {
    ecrireLigne(flux, ligne);
}
