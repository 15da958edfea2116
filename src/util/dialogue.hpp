// The operator's console: clearing what was typed, the yes/no question, the closing pause,
// and how é is written there. Everything goes to standard output, in French; nothing throws.
#pragma once

#include <limits>
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

// Writes invite and a line end, flushed: the prompt of every question.
void ecrireInvite(const std::string& invite);

// Only a to z change: the message bytes above 127 must stay as they are.
char majuscule(char c);

// The bytes of é on standard output: in the terminal's own charset when it is a terminal; on
// a pipe or a file, the store's byte 0x82, which scripts and stored logs may rely on.
std::string_view eAiguConsole();

// Whether standard output, or standard error, shows bytes 0x80 to 0x9F as controls: a
// terminal whose charset has no letters there (UTF-8, Latin-1), which a sales file must not
// steer.
bool c1Sortie();
bool c1Erreur();

// Writes 25 line feeds, scrolling earlier console text out of view.
void effacerEcran();
