// Fixed-width fields for the invoice and summary printers. Each printer builds its block
// in memory and hands it to the stream in one write, and numbers are formatted with
// to_chars: the stream's manipulators and many small writes cost several times more.
// The bytes are those the stream itself would write.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

enum class Cadrage { Gauche, Droite };

// Appends valeur blank-filled to largeur columns; a longer value is appended whole.
void ajouterChamp(std::string& texte, std::string_view valeur, int largeur, Cadrage cadrage);

// Amounts: fixed notation, two decimals, full stop, no grouping; the exact stored value
// is rounded to the nearest hundredth, an exact tie to the even hundredth (0.125: 0.12).
void ajouterMontant(std::string& texte, float valeur, int largeur);
void ajouterEntier(std::string& texte, long long valeur, int largeur, Cadrage cadrage);

// A totals line of the footer or the summary: libelle right-aligned in largeurLibelle,
// the amount right-aligned in largeurMontant, then fin.
void ajouterTotal(std::string& texte, std::string_view libelle, int largeurLibelle, float valeur,
                  int largeurMontant, std::string_view fin);

// Sets fixed notation, two decimals and the given alignment (the format state each
// printer leaves on its stream), then writes texte.
void ecrireBloc(std::ostream& flux, const std::string& texte, Cadrage cadrage);
