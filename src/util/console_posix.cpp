#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "console.hpp"

std::size_t lireEntreeStandard(char* tampon, std::size_t taille) {
    ssize_t lus = 0;
    do {
        lus = ::read(0, tampon, taille);
    } while (lus < 0 && errno == EINTR);
    return lus > 0 ? static_cast<std::size_t>(lus) : 0;
}

long long deplacerEntreeStandard(long long decalage, int depuis) {
    return static_cast<long long>(::lseek(0, static_cast<off_t>(decalage), depuis));
}

bool entreeEstTerminal() {
    return ::isatty(0) == 1;
}

void viderTerminal() {
    ::tcflush(0, TCIFLUSH);
}
