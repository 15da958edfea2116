// Prompt-and-validate console readers. facturation itself asks nothing but a date and a
// yes or no; these serve the store's other console programs, which share this module. Each
// clears the input, writes its prompt and reads until the value is acceptable; at the end
// of standard input it returns 0, an empty text or '\0'.
#pragma once

#include <istream>
#include <string>

// A float; 0 at the end of input.
float lireReel(std::string invite);
// An int; 0 at the end of input.
int lireEntier(std::string invite);
// A float above 0, with a message after each refused value; 0 only at the end of input.
float lireReelPositif(std::string invite);
// An int of at least 1; 0 only at the end of input.
int lireEntierPositif(std::string invite);
// A non-empty line, as typed; empty only at the end of input.
std::string lireTexte(std::string invite);
// The next character typed, white space included; '\0' at the end of input.
char lireCaractere(std::string invite);
// A character found in permis (case ignored), returned as typed; '\0' at the end of input.
char lireChoix(std::string invite, std::string permis);

// True when c is in liste, comparing letters a-z without regard to case.
bool caractereDansListe(char c, std::string liste);

// Read one field from flux; true when flux has not failed afterwards. A failed stream
// stays failed. The char form takes the next character as it is, white space included.
bool lireChamp(std::istream& flux, int& valeur);
bool lireChamp(std::istream& flux, float& valeur);
bool lireChamp(std::istream& flux, char& valeur);
bool lireChamp(std::istream& flux, std::string& valeur);
