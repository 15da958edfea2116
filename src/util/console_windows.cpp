#include <io.h>
#include <stdio.h>
#include <windows.h>

#include <climits>

#include "util/console.hpp"

std::size_t lireEntreeStandard(char* tampon, std::size_t taille) {
    const unsigned int demande = taille > INT_MAX ? INT_MAX : static_cast<unsigned int>(taille);
    const int lus = ::_read(0, tampon, demande);
    return lus > 0 ? static_cast<std::size_t>(lus) : 0;
}

bool placerEntreeALaFin() {
    // A console or a pipe cannot be moved; the C library does not always say so itself.
    if (::GetFileType(::GetStdHandle(STD_INPUT_HANDLE)) != FILE_TYPE_DISK) return false;
    return ::_lseeki64(0, 0, SEEK_END) >= 0;
}

// A console, not any character device: the NUL device is one too.
bool entreeEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

void viderTerminal() {
    ::FlushConsoleInputBuffer(::GetStdHandle(STD_INPUT_HANDLE));
}

bool sortieEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

JeuConsole jeuConsole() {
    switch (::GetConsoleOutputCP()) {
        case 1252:
            return JeuConsole::Latin1;
        case 65001:
            return JeuConsole::Utf8;
        default:  // 850, 437 and the others
            return JeuConsole::Cp850;
    }
}

void ignorerSortieFermee() {}  // no signal there: the write fails

bool tronquerFichier(std::FILE* fichier) {
    const __int64 position = ::_ftelli64(fichier);
    return position >= 0 && ::_chsize_s(::_fileno(fichier), position) == 0;
}

std::int64_t positionFichier(std::FILE* fichier) {
    return static_cast<std::int64_t>(::_ftelli64(fichier));
}
