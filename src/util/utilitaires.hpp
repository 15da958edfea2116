// Console and file utilities: clearing the console input, the closing pause, the yes/no
// question, opening an input file with a message when it is absent or empty, and the
// prompt-and-validate readers. Messages go to standard output, in French; nothing throws.
#pragma once

#include <fstream>
#include <iostream>
#include <istream>
#include <limits>
#include <streambuf>
#include <string>
#include <string_view>

// Most characters dropped by one "drop through the next line feed" step.
constexpr int limiteIgnore = std::numeric_limits<int>::max();

// Makes standard input read file descriptor 0 through the module's own buffer, so that
// viderEntree can drop what was received but not read yet. Called once, at the start.
void brancherConsole();

// Resets standard input and drops earlier input: input that can be positioned is moved to
// its end; on a terminal, everything received or typed and not yet read is dropped; on a
// pipe, the rest of the line already received, through its line feed. Never waits.
void viderEntree();

// Writes "Appuyer sur entrer pour continuer ... " and waits for a new Enter; returns at
// once at the end of standard input.
void attendreEntree();

// Asks the question until the first character of an answer is O or N (either case);
// true for O, false for N and at the end of standard input. The rest of the line stays.
bool questionOuiNon(std::string question);

// True when the next read from flux would meet the end of the data (or flux has failed);
// consumes nothing.
bool fluxVide(std::istream& flux);

// Opens nomFichier on flux (which must be closed) for reading. True when it is open, good
// and holds at least one character; otherwise writes the "est absent" or "est vide"
// message to messages and leaves flux closed.
bool ouvrirFichierEntree(std::ifstream& flux, std::string nomFichier,
                         std::ostream& messages = std::cout);

// Writes into cible, putting prefixe at the start of every line: messages on standard
// error then name the program that wrote them.
class TamponPrefixe : public std::streambuf {
  public:
    TamponPrefixe(std::streambuf& cible, std::string prefixe);

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    std::streambuf& cible_;
    std::string prefixe_;
    bool debutDeLigne_ = true;
};

// The bytes of é on standard output: in the terminal's own charset when it is a terminal; on
// a pipe or a file, the store's byte 0x82, which scripts and stored logs may rely on.
std::string_view eAiguConsole();

// Writes 25 line feeds, scrolling earlier console text out of view.
void effacerEcran();

// The console readers clear the input, write their prompt and read until the value is
// acceptable. At the end of standard input they return 0, an empty text or '\0'.

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
