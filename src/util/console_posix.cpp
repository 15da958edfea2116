#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
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

namespace {

std::error_code erreurSysteme() {
    return {errno, std::system_category()};
}

std::int64_t nanosecondes(const timespec& temps) {
    constexpr std::int64_t parSeconde = 1000000000;
    return static_cast<std::int64_t>(temps.tv_sec) * parSeconde + temps.tv_nsec;
}

// fsync on a descriptor opened for the purpose: on Linux it hands every dirty page of the
// file to the disk, whoever wrote them.
std::error_code forcer(const std::string& nom, int mode) {
    const int descripteur = ::open(nom.c_str(), mode | O_CLOEXEC);
    if (descripteur < 0) return erreurSysteme();
    std::error_code code;
    if (::fsync(descripteur) != 0) code = erreurSysteme();
    ::close(descripteur);
    return code;
}

}  // namespace

Nature natureFichier(const std::string& nom) {
    struct stat etat {};
    if (::lstat(nom.c_str(), &etat) != 0) return errno == ENOENT ? Nature::Absent : Nature::Autre;
    return S_ISREG(etat.st_mode) ? Nature::Ordinaire : Nature::Autre;
}

bool identiteFichier(const std::string& nom, IdentiteFichier& identite) {
    struct stat etat {};
    if (::stat(nom.c_str(), &etat) != 0) return false;
    identite = {static_cast<std::uint64_t>(etat.st_size), nanosecondes(etat.st_mtim),
                nanosecondes(etat.st_ctim)};
    return true;
}

std::error_code forcerFichier(const std::string& nom) {
    return forcer(nom, O_RDONLY);
}

std::error_code forcerDossier(const std::string& dossier) {
    return forcer(dossier, O_RDONLY | O_DIRECTORY);
}

std::error_code remplacerFichier(const std::string& source, const std::string& cible) {
    return ::rename(source.c_str(), cible.c_str()) == 0 ? std::error_code() : erreurSysteme();
}

std::error_code retirerFichier(const std::string& nom) {
    return ::unlink(nom.c_str()) == 0 ? std::error_code() : erreurSysteme();
}

long numeroProcessus() {
    return static_cast<long>(::getpid());
}

bool processusVivant(long numero) {
    return ::kill(static_cast<pid_t>(numero), 0) == 0 || errno != ESRCH;
}

namespace {

void (*actionInterruption)() = nullptr;

// GCOVR_EXCL_START: the signal then ends the program, which writes no counts
void interrompre(int signal) {
    actionInterruption();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
// GCOVR_EXCL_STOP

}  // namespace

void siInterrompu(void (*action)()) {
    actionInterruption = action;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, interrompre);
}
