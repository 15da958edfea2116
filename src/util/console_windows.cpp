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

bool erreurEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

JeuConsole jeuConsole() {
    switch (::GetConsoleOutputCP()) {
        case 1252:
            return JeuConsole::Windows1252;
        case 28591:
        case 28605:
            return JeuConsole::Latin1;
        case 65001:
            return JeuConsole::Utf8;
        default:  // 850, 437 and the others
            return JeuConsole::Cp850;
    }
}

// No signal there: the write fails. A program started without a console's handles has
// descriptors the C library leaves unused.
void preparerProcessus() {}

bool tronquerFichier(std::FILE* fichier) {
    const __int64 position = ::_ftelli64(fichier);
    return position >= 0 && ::_chsize_s(::_fileno(fichier), position) == 0;
}
