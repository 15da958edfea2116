#include "report/champs.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ios>
#include <vector>

namespace {

constexpr auto puissancesDeDix = [] {
    std::array<unsigned long long, 17> puissances{1};
    for (std::size_t i = 1; i < puissances.size(); ++i) puissances[i] = 10 * puissances[i - 1];
    return puissances;
}();

// Makes room for a number of longueur bytes aligned in largeur columns, blanks in place;
// returns where its text must end, for the caller to write it backwards. The digits are
// stored straight into the block: reading back bytes just stored one by one would stall the
// processor.
char* placeNombre(Bloc& bloc, std::size_t longueur, int largeur, Cadrage cadrage) {
    const auto champ = static_cast<std::size_t>(largeur);
    const std::size_t manque = longueur < champ ? champ - longueur : 0;
    if (cadrage == Cadrage::Droite) ajouterBlancs(bloc, manque);
    verifierPlace(bloc, longueur);
    bloc.fin += longueur;
    char* const finTexte = bloc.fin;
    if (cadrage == Cadrage::Gauche) ajouterBlancs(bloc, manque);
    return finTexte;
}

// The two digits of each number below 100.
constexpr char paires[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940"
    "4142434445464748495051525354555657585960616263646566676869707172737475767778798081"
    "8283848586878889909192939495969798990";

// The cents of arrondi and the point before them, ending just before fin; returns where the
// dollars must end.
char* centimesAvant(char* fin, unsigned long long arrondi, char point = '.') {
    const auto paire = static_cast<std::size_t>(arrondi % 100) * 2;
    fin[-1] = paires[paire + 1];
    fin[-2] = paires[paire];
    fin[-3] = point;
    return fin - 3;
}

}  // namespace

// The number of decimal digits of valeur.
std::size_t longueurDecimale(unsigned long long valeur) {
    std::size_t longueur = 1;
    for (; valeur >= 100; valeur /= 100) longueur += 2;
    return valeur >= 10 ? longueur + 1 : longueur;
}

// The digits of valeur, written backwards so that they end just before fin, two at a time;
// returns their start.
char* chiffresAvant(char* fin, unsigned long long valeur) {
    for (; valeur >= 100; valeur /= 100) {
        const auto paire = static_cast<std::size_t>(valeur % 100) * 2;
        *--fin = paires[paire + 1];
        *--fin = paires[paire];
    }
    if (valeur >= 10) {
        *--fin = paires[valeur * 2 + 1];
        *--fin = paires[valeur * 2];
    } else {
        *--fin = static_cast<char>('0' + valeur);
    }
    return fin;
}

void blocTropLong() {
    std::fputs("facturation: block longer than its room\n", stderr);
    std::abort();
}

Bloc commencerBloc(std::vector<char>& memoire, std::size_t taille) {
    if (memoire.size() < taille) memoire.resize(taille);
    return {memoire.data(), memoire.data(), memoire.data() + taille};
}

// A float times 100 is exact in a double (24 bits times 7), so rounding that product to
// the nearest integer, a tie to the even one, gives the cents the stream would print, at a
// fraction of the cost of a general fixed-point conversion.
void ajouterMontant(Bloc& bloc, float valeur, int largeur, char point) {
    // Most amounts fit their field: its blanks first, then the digits in place. A field of
    // fewer than 4 columns holds no amount ("0.00").
    if (largeur >= 4 && largeur <= 16) {
        char* const champ = bloc.fin;
        ajouterBlancs(bloc, static_cast<std::size_t>(largeur));
        if (montantEnPlace(bloc.fin, valeur, largeur, point)) return;
        bloc.fin = champ;
    }
    const double centimes = std::fabs(static_cast<double>(valeur) * 100.0);
    if (!(centimes < 1e18)) {  // beyond 10^16 dollars, infinities and NaN
        char texte[tailleNombre];
        const auto fin = std::to_chars(texte, texte + sizeof texte, static_cast<double>(valeur),
                                       std::chars_format::fixed, 2);
        std::replace(texte, fin.ptr, '.', point);
        ajouterChamp(bloc, std::string_view(texte, static_cast<std::size_t>(fin.ptr - texte)),
                     largeur, Cadrage::Droite);
        return;
    }
    // Adding and taking away 2^52 rounds to an integer, a tie to the even one, as the default
    // rounding mode does, without a library call.
    const auto absolu = static_cast<unsigned long long>(
        centimes < 0x1p52 ? (centimes + 0x1p52) - 0x1p52 : centimes);
    const bool signe = std::signbit(valeur);  // -0.001 prints -0.00, as the stream does
    const std::size_t longueur = longueurDecimale(absolu / 100) + 3 + (signe ? 1 : 0);
    char* fin = placeNombre(bloc, longueur, largeur, Cadrage::Droite);
    fin = chiffresAvant(centimesAvant(fin, absolu, point), absolu / 100);
    if (signe) *--fin = '-';
}

bool montantEnPlace(char* finChamp, float valeur, int largeur, char point) {
    const double centimes = static_cast<double>(valeur) * 100.0;
    // Negative amounts, NaN and amounts too large for the rounding below go the general way.
    if (std::signbit(valeur) || !(centimes < 1e15)) return false;
    const auto arrondi = static_cast<unsigned long long>((centimes + 0x1p52) - 0x1p52);
    if (arrondi >= puissancesDeDix[largeur - 1]) return false;  // no room for ".dd"
    chiffresAvant(centimesAvant(finChamp, arrondi, point), arrondi / 100);
    return true;
}

namespace {

constexpr unsigned long long dixPuissance18 = 1000000000000000000ULL;
__extension__ typedef unsigned __int128 Naturel128;

std::size_t longueurDecimale128(Naturel128 valeur) {
    if (valeur <= ~0ULL) return longueurDecimale(static_cast<unsigned long long>(valeur));
    return longueurDecimale128(valeur / dixPuissance18) + 18;
}

// Beyond 64 bits, the low 18 digits first, zeros included, then the rest.
char* chiffresAvant128(char* fin, Naturel128 valeur) {
    if (valeur <= ~0ULL) return chiffresAvant(fin, static_cast<unsigned long long>(valeur));
    auto bas = static_cast<unsigned long long>(valeur % dixPuissance18);
    for (int i = 0; i < 18; ++i, bas /= 10) *--fin = static_cast<char>('0' + bas % 10);
    return chiffresAvant128(fin, valeur / dixPuissance18);
}

Naturel128 absolu128(Centimes valeur) {
    return valeur < 0 ? Naturel128{0} - static_cast<Naturel128>(valeur)
                      : static_cast<Naturel128>(valeur);
}

}  // namespace

void ajouterMontant(Bloc& bloc, Centimes valeur, int largeur, char point) {
    // Most amounts fit their field: its blanks first, then the digits in place.
    if (valeur >= 0 && largeur >= 4 && largeur <= 16) {
        char* const champ = bloc.fin;
        ajouterBlancs(bloc, static_cast<std::size_t>(largeur));
        if (montantEnPlace(bloc.fin, valeur, largeur, point)) return;
        bloc.fin = champ;
    }
    const Naturel128 absolu = absolu128(valeur);
    const std::size_t longueur = longueurDecimale128(absolu / 100) + 3 + (valeur < 0 ? 1 : 0);
    char* fin = placeNombre(bloc, longueur, largeur, Cadrage::Droite);
    fin = chiffresAvant128(
        centimesAvant(fin, static_cast<unsigned long long>(absolu % 100), point), absolu / 100);
    if (valeur < 0) *--fin = '-';
}

bool montantEnPlace(char* finChamp, Centimes valeur, int largeur, char point) {
    if (valeur < 0 || valeur >= static_cast<Centimes>(puissancesDeDix[largeur - 1])) return false;
    const auto centimes = static_cast<unsigned long long>(valeur);
    chiffresAvant(centimesAvant(finChamp, centimes, point), centimes / 100);
    return true;
}

void ajouterEntier(Bloc& bloc, long long valeur, int largeur, Cadrage cadrage) {
    const auto absolu = valeur < 0 ? 0ULL - static_cast<unsigned long long>(valeur)
                                   : static_cast<unsigned long long>(valeur);
    const std::size_t longueur = longueurDecimale(absolu) + (valeur < 0 ? 1 : 0);
    char* const debut = chiffresAvant(placeNombre(bloc, longueur, largeur, cadrage), absolu);
    if (valeur < 0) debut[-1] = '-';
}

namespace {

// Makes room for longueur bytes placed to end at finColonne, as placerGauche places a text;
// returns where they begin.
char* placeChamp(Bloc& bloc, const char* debutLigne, std::size_t longueur,
                 std::size_t finColonne) {
    const auto ecrites = static_cast<std::size_t>(bloc.fin - debutLigne);
    const std::size_t voulu = finColonne > longueur ? finColonne - longueur : 0;
    const std::size_t depart = ecrites == 0 ? voulu : std::max(voulu, ecrites + 1);
    ajouterBlancs(bloc, depart - ecrites);
    verifierPlace(bloc, longueur);
    char* const debut = bloc.fin;
    bloc.fin += longueur;
    return debut;
}

}  // namespace

void placerMontant(Bloc& bloc, const char* debutLigne, Centimes valeur, std::size_t finColonne,
                   std::string_view suffixe) {
    // Nearly every amount fits 64 bits, whose digits cost a fraction of 128 bits'.
    constexpr Centimes limite = static_cast<Centimes>(~0ULL >> 1);
    if (valeur > limite || valeur < -limite) {
        std::vector<char> memoire;
        Bloc texte = commencerBloc(memoire, tailleNombre + suffixe.size());
        ajouterMontant(texte, valeur, 0);
        ajouterTexte(texte, suffixe);
        placerDroite(bloc, debutLigne, std::string_view(texte.debut, texte.fin - texte.debut),
                     finColonne);
        return;
    }
    const auto absolu = static_cast<unsigned long long>(valeur < 0 ? -valeur : valeur);
    const std::size_t chiffres = longueurDecimale(absolu / 100) + 3 + (valeur < 0 ? 1 : 0);
    char* const debut = placeChamp(bloc, debutLigne, chiffres + suffixe.size(), finColonne);
    char* const fin = chiffresAvant(centimesAvant(debut + chiffres, absolu % 100), absolu / 100);
    if (valeur < 0) fin[-1] = '-';
    std::memcpy(debut + chiffres, suffixe.data(), suffixe.size());
}

std::size_t longueurEntier(long long valeur) {
    const auto absolu = valeur < 0 ? 0ULL - static_cast<unsigned long long>(valeur)
                                   : static_cast<unsigned long long>(valeur);
    return longueurDecimale(absolu) + (valeur < 0 ? 1 : 0);
}

void placerEntier(Bloc& bloc, const char* debutLigne, long long valeur, std::size_t finColonne,
                  std::string_view suffixe) {
    const auto absolu = valeur < 0 ? 0ULL - static_cast<unsigned long long>(valeur)
                                   : static_cast<unsigned long long>(valeur);
    const std::size_t chiffres = longueurDecimale(absolu) + (valeur < 0 ? 1 : 0);
    char* const debut = placeChamp(bloc, debutLigne, chiffres + suffixe.size(), finColonne);
    char* const fin = chiffresAvant(debut + chiffres, absolu);
    if (valeur < 0) fin[-1] = '-';
    std::memcpy(debut + chiffres, suffixe.data(), suffixe.size());
}

void ecrireBloc(std::ostream& flux, const Bloc& bloc, Cadrage cadrage) {
    flux.setf(std::ios_base::fixed, std::ios_base::floatfield);
    flux.precision(2);
    flux.setf(cadrage == Cadrage::Gauche ? std::ios_base::left : std::ios_base::right,
              std::ios_base::adjustfield);
    flux.width(0);
    const auto taille = static_cast<std::streamsize>(bloc.fin - bloc.debut);
    // As the stream's own write: nothing more once it has failed.
    if (flux.good() && flux.rdbuf()->sputn(bloc.debut, taille) != taille) {
        flux.setstate(std::ios_base::badbit);
    }
}
