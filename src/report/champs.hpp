// Fixed-width fields for the invoice and summary printers. Each printer builds its block in
// memory and hands it to the stream in one write, and numbers are formatted by hand: the
// stream's manipulators and many small writes cost several times more. The bytes are those
// the stream itself would write.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>
#include <vector>

enum class Cadrage { Gauche, Droite };

// A block being built: bytes go at fin, never past limite. The room comes from the block's
// layout (see capacite); each append checks it, in every build: an overlong block stops
// the program rather than overwrite memory. The check costs no time that shows.
struct Bloc {
    char* debut;
    char* fin;
    char* limite;
};

// The page's width, and the most bytes a number takes once formatted (the largest float has
// 39 digits before the point).
constexpr std::size_t largeurPage = 79;
constexpr std::size_t tailleNombre = 48;

// The room of a block of lignes lines and nombres numbers, besides its words: every line is
// at most the page's width and its line end, and a number may widen its line by its whole
// length.
constexpr std::size_t capacite(std::size_t lignes, std::size_t nombres) {
    return lignes * (largeurPage + 1) + nombres * tailleNombre;
}

// A block of the given room in memoire, which belongs to the printer that builds it: it
// grows here, before the block starts, and never while a block points into it.
Bloc commencerBloc(std::vector<char>& memoire, std::size_t taille);

// Stops the program, saying so: a printer gave a block more than its room, which would
// otherwise overwrite memory.
[[noreturn]] void blocTropLong();

inline void verifierPlace(const Bloc& bloc, std::size_t n) {
    // GCOVR_EXCL_BR_START: its failure ends the program, in the death test's own process
    if (n > static_cast<std::size_t>(bloc.limite - bloc.fin)) blocTropLong();
    // GCOVR_EXCL_BR_STOP
}

// Defined here so that constant texts and widths become plain moves.
inline void ajouterTexte(Bloc& bloc, std::string_view texte) {
    verifierPlace(bloc, texte.size());
    std::memcpy(bloc.fin, texte.data(), texte.size());
    bloc.fin += texte.size();
}

inline void ajouterBlancs(Bloc& bloc, std::size_t n) {
    verifierPlace(bloc, n);
    std::memset(bloc.fin, ' ', n);
    bloc.fin += n;
}

// Appends valeur blank-filled to largeur columns; a longer value is appended whole.
inline void ajouterChamp(Bloc& bloc, std::string_view valeur, int largeur, Cadrage cadrage) {
    const auto champ = static_cast<std::size_t>(largeur);
    const std::size_t manque = valeur.size() < champ ? champ - valeur.size() : 0;
    if (cadrage == Cadrage::Droite) ajouterBlancs(bloc, manque);
    ajouterTexte(bloc, valeur);
    if (cadrage == Cadrage::Gauche) ajouterBlancs(bloc, manque);
}

// Amounts: fixed notation, two decimals, point as the decimal point (a full stop; the
// journal's comma), no grouping; the exact stored value is rounded to the nearest
// hundredth, an exact tie to the even hundredth (0.125: 0.12).
void ajouterMontant(Bloc& bloc, float valeur, int largeur, char point = '.');

// The same amount, not negative and within largeur columns (4 to 16), written in place so
// that it ends just before finChamp, into blanks already laid out; false, with nothing
// written, for any other amount, which the caller then appends as above.
bool montantEnPlace(char* finChamp, float valeur, int largeur, char point = '.');

// An amount in exact cents, as a store's settings have the invoices computed: wide enough
// that no day's sum wraps, whatever the sales file holds.
__extension__ typedef __int128 Centimes;

// The same layout for an amount in cents: its exact digits, a minus sign when negative.
void ajouterMontant(Bloc& bloc, Centimes valeur, int largeur, char point = '.');
bool montantEnPlace(char* finChamp, Centimes valeur, int largeur, char point = '.');

// The number of decimal digits of valeur; its digits written backwards so that they end
// just before fin (returns their start).
std::size_t longueurDecimale(unsigned long long valeur);
char* chiffresAvant(char* fin, unsigned long long valeur);

void ajouterEntier(Bloc& bloc, long long valeur, int largeur, Cadrage cadrage);

// A totals line of the footer or the summary: libelle right-aligned in largeurLibelle,
// the amount right-aligned in largeurMontant, then fin.
template <class Montant>
void ajouterTotal(Bloc& bloc, std::string_view libelle, int largeurLibelle, Montant valeur,
                  int largeurMontant, std::string_view fin) {
    ajouterChamp(bloc, libelle, largeurLibelle, Cadrage::Droite);
    ajouterMontant(bloc, valeur, largeurMontant);
    ajouterTexte(bloc, fin);
}

// A line laid out in columns, counted from 0 at debutLigne: each value is placed in its column
// (texts from colonne, numbers to finColonne) or, where what precedes it reaches there, one
// blank after that. Fields never touch; a wide one pushes the rest of its line right.
inline void placerGauche(Bloc& bloc, const char* debutLigne, std::string_view valeur,
                         std::size_t colonne) {
    const auto ecrites = static_cast<std::size_t>(bloc.fin - debutLigne);
    const std::size_t depart = ecrites == 0 ? colonne : std::max(colonne, ecrites + 1);
    ajouterBlancs(bloc, depart - ecrites);
    ajouterTexte(bloc, valeur);
}

inline void placerDroite(Bloc& bloc, const char* debutLigne, std::string_view valeur,
                         std::size_t finColonne) {
    placerGauche(bloc, debutLigne, valeur,
                 finColonne > valeur.size() ? finColonne - valeur.size() : 0);
}

// The same for an amount in cents (two decimals, a point) or an integer, then suffixe: its
// digits written where they stand, with no text made apart.
void placerMontant(Bloc& bloc, const char* debutLigne, Centimes valeur, std::size_t finColonne,
                   std::string_view suffixe = "$");
void placerEntier(Bloc& bloc, const char* debutLigne, long long valeur, std::size_t finColonne,
                  std::string_view suffixe = "");

// The columns an integer takes, its sign included.
std::size_t longueurEntier(long long valeur);

// Sets fixed notation, two decimals and the given alignment (the format state each
// printer leaves on its stream), then writes the block; a short write marks the stream bad.
void ecrireBloc(std::ostream& flux, const Bloc& bloc, Cadrage cadrage);
