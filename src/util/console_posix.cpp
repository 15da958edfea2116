#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "util/console.hpp"

std::size_t lireEntreeStandard(char* tampon, std::size_t taille) {
    ssize_t lus = 0;
    do {
        lus = ::read(0, tampon, taille);
    } while (lus < 0 && errno == EINTR);  // GCOVR_EXCL_BR_LINE: no test sends a signal
    return lus > 0 ? static_cast<std::size_t>(lus) : 0;
}

bool placerEntreeALaFin() {
    return ::lseek(0, 0, SEEK_END) >= 0;
}

bool entreeEstTerminal() {
    return ::isatty(0) == 1;
}

void viderTerminal() {
    ::tcflush(0, TCIFLUSH);
}

bool sortieEstTerminal() {
    return ::isatty(1) == 1;
}

bool erreurEstTerminal() {
    return ::isatty(2) == 1;
}

JeuConsole jeuConsole() {
    std::string texte;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* const valeur = std::getenv(variable);
        if (valeur != nullptr && *valeur != '\0') {
            texte = valeur;
            break;
        }
    }
    // fr_CA.UTF-8@euro: the charset is between the point and the at sign; UTF-8, utf8 and
    // ISO-8859-1, iso88591 are the same names.
    const std::size_t point = texte.find('.');
    std::string jeu;
    for (std::size_t i = point == std::string::npos ? texte.size() : point + 1;
         i < texte.size() && texte[i] != '@'; ++i) {
        const char c = texte[i];
        if (c == '-' || c == '_') continue;
        jeu += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));  // "C" locale
    }
    if (jeu == "UTF8") return JeuConsole::Utf8;
    if (jeu == "ISO88591" || jeu == "ISO885915") return JeuConsole::Latin1;
    if (jeu == "CP1252") return JeuConsole::Windows1252;
    return JeuConsole::Cp850;
}

void preparerProcessus() {
    ::signal(SIGPIPE, SIG_IGN);
    ::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG
    for (int descripteur = 0; descripteur <= 2; ++descripteur) {
        if (::fcntl(descripteur, F_GETFD) >= 0 || errno != EBADF) continue;
        // The lowest free descriptor: this one.
        ::open("/dev/null", descripteur == 0 ? O_RDONLY : O_WRONLY);
    }
}

bool tronquerFichier(std::FILE* fichier) {
    const off_t position = ::ftello(fichier);
    return position >= 0 && ::ftruncate(::fileno(fichier), position) == 0;
}
