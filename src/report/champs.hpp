// Fixed-width fields for the invoice and summary printers. Numbers are formatted into a
// small buffer rather than through the stream's manipulators, which cost several times
// more; the bytes are those the stream would write.
#pragma once

#include <ostream>
#include <string_view>

enum class Cadrage { Gauche, Droite };

// The text of one number, held in a buffer of its own.
struct Nombre {
    char chiffres[64];
    std::size_t taille;
    std::string_view texte() const { return std::string_view(chiffres, taille); }
};

// Fixed notation, two decimals, full stop, no grouping; the exact stored value is rounded
// to the nearest hundredth, an exact tie to the even hundredth (0.125 gives 0.12).
Nombre montant(float valeur);
Nombre entier(long long valeur);

// Writes texte blank-filled to largeur columns; a longer text is written whole.
void ecrireChamp(std::ostream& flux, std::string_view texte, int largeur, Cadrage cadrage);
void ecrireTexte(std::ostream& flux, std::string_view texte);

// Fixed notation, two decimals, the given alignment, no pending width: the format state
// each printer leaves on its stream.
void reglerFlux(std::ostream& flux, Cadrage cadrage);
