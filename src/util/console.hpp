// The few calls to the system that the program makes: on standard input and output, and on
// the files of a day (cut back, identified, flushed to the disk, put in place); one
// implementation per platform (console_posix.cpp, console_windows.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

// Reads up to taille bytes: the count read, 0 at the end of input or on an error.
std::size_t lireEntreeStandard(char* tampon, std::size_t taille);

// Moves standard input to its end; false where it cannot be moved (a pipe, a terminal, a
// console).
bool placerEntreeALaFin();

// True when standard input is the operator's terminal or console.
bool entreeEstTerminal();

// Drops what was typed at the terminal or console and not read yet.
void viderTerminal();

// True when standard output, or standard error, is a terminal or console.
bool sortieEstTerminal();
bool erreurEstTerminal();

// The charsets a terminal may show é in: the store's console code page 850 (and 437),
// Latin-1 (ISO 8859-1 and -15), Windows-1252, UTF-8. Bytes 0x80 to 0x9F are letters in
// code page 850 and Windows-1252, controls in Latin-1 and, alone, in UTF-8.
enum class JeuConsole { Cp850, Latin1, Windows1252, Utf8 };

// The terminal's charset: on POSIX, the charset named by the environment's LC_CTYPE (LC_ALL,
// LC_CTYPE, then LANG), read from the variables alone so that no locale is set; on Windows,
// the console's output code page. A charset it does not know is taken as Cp850.
JeuConsole jeuConsole();

// A reader that has gone (a closed pipe), or a file size limit reached, makes a write fail
// instead of ending the program: every date is still done, and the failure told. Standard
// input, output and error that are closed are opened on the null device, so that no file
// the program opens takes their place (warnings would go into the invoice file).
void preparerProcessus();

// Cuts fichier, unbuffered, at its current position; false when it cannot be cut.
bool tronquerFichier(std::FILE* fichier);

// What tells that a file changed: its size and its times, as finely as the system keeps them
// (nanoseconds on Linux, 100 ns on Windows). change is the inode's change time, which a
// program that sets the modification time back cannot set (0 on Windows).
struct IdentiteFichier {
    std::uint64_t taille = 0;
    std::int64_t modifie = 0;
    std::int64_t change = 0;
    bool operator==(const IdentiteFichier& autre) const {
        return taille == autre.taille && modifie == autre.modifie && change == autre.change;
    }
};

// What the name nom stands for: nothing, a regular file of a disk, or anything else (a link,
// a directory, a pipe, a device), a link not followed.
enum class Nature { Absent, Ordinaire, Autre };
Nature natureFichier(const std::string& nom);

// The identity of the file nom names (a link followed); false when it cannot be examined.
bool identiteFichier(const std::string& nom, IdentiteFichier& identite);

// Hands what the system holds of the file nom, or of the folder dossier (the names in it),
// to the disk, so that a power cut cannot lose it; the error, if any.
std::error_code forcerFichier(const std::string& nom);
std::error_code forcerDossier(const std::string& dossier);

// Puts source in the place of cible in one step: a power cut leaves one or the other.
std::error_code remplacerFichier(const std::string& source, const std::string& cible);

// Removes the file or link nom (not what a link names); the error, if any.
std::error_code retirerFichier(const std::string& nom);

// This process's number, and whether the process of that number still runs.
long numeroProcessus();
bool processusVivant(long numero);

// Has action run when the program is interrupted (Ctrl-C, a stop asked by the system), then
// lets the interruption end it as it would have. action may only call what a signal handler
// may: it removes files, no more.
void siInterrompu(void (*action)());
