#include "champs.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <ios>
#include <vector>

namespace {

// The digits of absolu, written backwards so that they end just before fin, two at a time;
// returns their start.
char* chiffresAvant(char* fin, unsigned long long absolu) {
    static const char paires[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940"
        "4142434445464748495051525354555657585960616263646566676869707172737475767778798081"
        "8283848586878889909192939495969798990";
    while (absolu >= 100) {
        const auto paire = static_cast<std::size_t>(absolu % 100) * 2;
        absolu /= 100;
        *--fin = paires[paire + 1];
        *--fin = paires[paire];
    }
    if (absolu >= 10) {
        *--fin = paires[absolu * 2 + 1];
        *--fin = paires[absolu * 2];
    } else {
        *--fin = static_cast<char>('0' + absolu);
    }
    return fin;
}

// Appends the number text [debut, fin) right-aligned (or left-aligned) in largeur columns.
// Most numbers are short and most widths small: then fixed-size moves do the work, writing
// past the field into the block's spare room, which what follows overwrites.
void placerNombre(Bloc& bloc, const char* debut, const char* fin, int largeur, Cadrage cadrage) {
    const auto longueur = static_cast<std::size_t>(fin - debut);
    const auto champ = static_cast<std::size_t>(largeur);
    if (longueur > 16 || champ > 16) {
        ajouterChamp(bloc, std::string_view(debut, longueur), largeur, cadrage);
        return;
    }
    const std::size_t manque = longueur < champ ? champ - longueur : 0;
    std::memset(bloc.fin, ' ', 16);
    if (cadrage == Cadrage::Droite) bloc.fin += manque;
    std::memcpy(bloc.fin, debut, 16);  // the text, then bytes that will be overwritten
    bloc.fin += longueur;
    if (cadrage == Cadrage::Gauche) {
        std::memset(bloc.fin, ' ', 16);
        bloc.fin += manque;
    }
}

// Room for a number's text, written backwards to end tailleNombre bytes in, with 16 bytes
// after it that placerNombre may read.
struct Chiffres {
    char octets[tailleNombre + 16] = {};
};

}  // namespace

Bloc commencerBloc(std::size_t taille) {
    static std::vector<char> memoire;
    if (memoire.size() < taille + 2 * tailleNombre) memoire.resize(taille + 2 * tailleNombre);
    return {memoire.data(), memoire.data()};
}

// A float times 100 is exact in a double (24 bits times 7), so rounding that product to
// the nearest integer, a tie to the even one, gives the cents the stream would print, at a
// fraction of the cost of a general fixed-point conversion.
void ajouterMontant(Bloc& bloc, float valeur, int largeur) {
    Chiffres texte;
    char* const fin = texte.octets + tailleNombre;
    char* debut = fin;
    const double centimes = static_cast<double>(valeur) * 100.0;
    if (std::fabs(centimes) < 1e18) {
        // Adding and taking away 2^52 rounds to an integer, a tie to the even one, as the
        // default rounding mode does, without a library call.
        const double abs = std::fabs(centimes);
        const auto absolu =
            static_cast<unsigned long long>(abs < 0x1p52 ? (abs + 0x1p52) - 0x1p52 : abs);
        debut = chiffresAvant(fin, absolu % 100 + 100) + 1;  // two decimals, "0" kept
        *--debut = '.';
        debut = chiffresAvant(debut, absolu / 100);
        if (std::signbit(valeur)) *--debut = '-';  // -0.001 prints -0.00, as the stream does
    } else {                                       // beyond 10^16 dollars, infinities and NaN
        const auto ecrit = std::to_chars(texte.octets, fin, static_cast<double>(valeur),
                                         std::chars_format::fixed, 2);
        debut = fin - (ecrit.ptr - texte.octets);
        std::memmove(debut, texte.octets, static_cast<std::size_t>(ecrit.ptr - texte.octets));
    }
    placerNombre(bloc, debut, fin, largeur, Cadrage::Droite);
}

void ajouterEntier(Bloc& bloc, long long valeur, int largeur, Cadrage cadrage) {
    Chiffres texte;
    char* const fin = texte.octets + tailleNombre;
    const auto absolu = valeur < 0 ? 0ULL - static_cast<unsigned long long>(valeur)
                                   : static_cast<unsigned long long>(valeur);
    char* debut = chiffresAvant(fin, absolu);
    if (valeur < 0) *--debut = '-';
    placerNombre(bloc, debut, fin, largeur, cadrage);
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
