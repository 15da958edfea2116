// Fixed-width fields for the invoice and summary printers. Each printer builds its block in
// memory and hands it to the stream in one write, and numbers are formatted by hand: the
// stream's manipulators and many small writes cost several times more. The bytes are those
// the stream itself would write.
#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>

enum class Cadrage { Gauche, Droite };

// A block being built: bytes go at fin, into memory the printer has reserved for the whole
// block with commencerBloc, so no append checks for room.
struct Bloc {
    char* debut;
    char* fin;
};

// Most bytes a number takes once formatted (the largest float has 39 digits before the point).
constexpr std::size_t tailleNombre = 48;

// A block with room for taille bytes, and some more that the number formatters may write
// past their field before it is overwritten; the memory is reused by the next block.
Bloc commencerBloc(std::size_t taille);

// Defined here so that constant texts and widths become plain moves.
inline void ajouterTexte(Bloc& bloc, std::string_view texte) {
    std::memcpy(bloc.fin, texte.data(), texte.size());
    bloc.fin += texte.size();
}

// Appends valeur blank-filled to largeur columns; a longer value is appended whole.
inline void ajouterChamp(Bloc& bloc, std::string_view valeur, int largeur, Cadrage cadrage) {
    const auto champ = static_cast<std::size_t>(largeur);
    const std::size_t manque = valeur.size() < champ ? champ - valeur.size() : 0;
    if (cadrage == Cadrage::Droite) {
        std::memset(bloc.fin, ' ', manque);
        bloc.fin += manque;
    }
    ajouterTexte(bloc, valeur);
    if (cadrage == Cadrage::Gauche) {
        std::memset(bloc.fin, ' ', manque);
        bloc.fin += manque;
    }
}

// Amounts: fixed notation, two decimals, full stop, no grouping; the exact stored value
// is rounded to the nearest hundredth, an exact tie to the even hundredth (0.125: 0.12).
void ajouterMontant(Bloc& bloc, float valeur, int largeur);
void ajouterEntier(Bloc& bloc, long long valeur, int largeur, Cadrage cadrage);

// A totals line of the footer or the summary: libelle right-aligned in largeurLibelle,
// the amount right-aligned in largeurMontant, then fin.
inline void ajouterTotal(Bloc& bloc, std::string_view libelle, int largeurLibelle, float valeur,
                         int largeurMontant, std::string_view fin) {
    ajouterChamp(bloc, libelle, largeurLibelle, Cadrage::Droite);
    ajouterMontant(bloc, valeur, largeurMontant);
    ajouterTexte(bloc, fin);
}

// Sets fixed notation, two decimals and the given alignment (the format state each
// printer leaves on its stream), then writes the block; a short write marks the stream bad.
void ecrireBloc(std::ostream& flux, const Bloc& bloc, Cadrage cadrage);
