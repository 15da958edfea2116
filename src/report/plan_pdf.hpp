// The PDF's outline: one item per invoice, found in the invoice file's own text, titled
// after its header, and one for the summary; titles are written as every viewer shows them.
#pragma once

#include <string>
#include <string_view>

enum class Entree { Aucune, Facture, Sommaire };

// What a page whose first line is ligne begins: an invoice, whose header opens with the
// store's name magasin and whose title starts as "Facture <N>", the summary, titled
// "Sommaire du <date>", or neither (titre unchanged).
Entree debutEntree(std::string_view ligne, std::string_view magasin, std::string& titre);

// An invoice's client line adds " - client <noClient> <prenom> <nom>" to its title; false,
// titre unchanged, for any other line.
bool ajouterClient(std::string_view ligne, std::string& titre);

// A title holding a byte above 127, the store's Windows-1252, as a PDF hex string of UTF-16BE
// after its byte-order mark (an undefined byte as U+FFFD).
std::string titreUtf16(std::string_view titre);
