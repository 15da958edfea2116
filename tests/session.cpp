#include "session.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

Dossier::Dossier() {
    std::string modele = (fs::temp_directory_path() / "facturation-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp");
    chemin = modele;
}

Dossier::~Dossier() {
    std::error_code ignoree;
    fs::remove_all(chemin, ignoree);
}

void Dossier::ecrire(const std::string& nom, const std::string& contenu) const {
    std::ofstream(fs::path(chemin) / nom, std::ios::binary) << contenu;
}

std::string Dossier::lire(const std::string& nom) const {
    std::ifstream fichier(fs::path(chemin) / nom, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

bool Dossier::existe(const std::string& nom) const {
    return fs::exists(fs::path(chemin) / nom);
}

namespace {

[[noreturn]] void executer(const std::string& dossier) {
    if (::chdir(dossier.c_str()) != 0) ::_exit(126);
    ::execl(FACTURATION_EXE, "facturation", static_cast<char*>(nullptr));
    ::_exit(127);
}

int attendreFin(int pid, int millisecondes) {
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondes);
    int etat = 0;
    while (::waitpid(pid, &etat, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limite) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &etat, 0);
            return -1;
        }
        ::usleep(2000);
    }
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}

// Runs the program with `entree` as standard input and collects its standard output.
Resultat lancer(const Dossier& dossier, int entree, int tubeEcriture, const std::string& donnees) {
    int sortie[2];
    if (::pipe(sortie) != 0) throw std::runtime_error("pipe");
    const int pid = ::fork();
    if (pid == 0) {
        ::dup2(entree, 0);
        ::dup2(sortie[1], 1);
        executer(dossier.chemin);
    }
    ::close(entree);
    ::close(sortie[1]);
    std::size_t ecrit = 0;
    if (tubeEcriture >= 0) ::fcntl(tubeEcriture, F_SETFL, O_NONBLOCK);
    Resultat resultat;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        pollfd attente[2] = {{sortie[0], POLLIN, 0}, {tubeEcriture, POLLOUT, 0}};
        ::poll(attente, tubeEcriture >= 0 ? 2 : 1, 100);
        if (tubeEcriture >= 0 && (attente[1].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
            const ssize_t n =
                ::write(tubeEcriture, donnees.data() + ecrit, donnees.size() - ecrit);
            if (n > 0) ecrit += static_cast<std::size_t>(n);
            if (n < 0 || ecrit == donnees.size()) {
                ::close(tubeEcriture);
                tubeEcriture = -1;
            }
        }
        if ((attente[0].revents & (POLLIN | POLLHUP)) != 0) {
            char tampon[4096];
            const ssize_t n = ::read(sortie[0], tampon, sizeof tampon);
            if (n <= 0) break;
            resultat.console.append(tampon, static_cast<std::size_t>(n));
        }
        if (std::chrono::steady_clock::now() > limite) break;
    }
    if (tubeEcriture >= 0) ::close(tubeEcriture);
    ::close(sortie[0]);
    resultat.statut = attendreFin(pid, 2000);
    return resultat;
}

}  // namespace

Resultat lancerAvecTube(const Dossier& dossier, const std::string& entree) {
    ::signal(SIGPIPE, SIG_IGN);
    int tube[2];
    if (::pipe(tube) != 0) throw std::runtime_error("pipe");
    ::fcntl(tube[1], F_SETFD, FD_CLOEXEC);
    return lancer(dossier, tube[0], tube[1], entree);
}

Resultat lancerAvecFichier(const Dossier& dossier, const std::string& entree) {
    dossier.ecrire(".entree", entree);
    const int fichier = ::open((fs::path(dossier.chemin) / ".entree").c_str(), O_RDONLY);
    if (fichier < 0) throw std::runtime_error("open");
    return lancer(dossier, fichier, -1, std::string());
}

Terminal::Terminal(const Dossier& dossier) {
    maitre_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre_ < 0 || ::grantpt(maitre_) != 0 || ::unlockpt(maitre_) != 0) {
        throw std::runtime_error("posix_openpt");
    }
    const std::string esclave = ::ptsname(maitre_);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setsid();
        const int terminal = ::open(esclave.c_str(), O_RDWR);
        termios reglages{};
        ::tcgetattr(terminal, &reglages);
        reglages.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        reglages.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        ::tcsetattr(terminal, TCSANOW, &reglages);
        ::dup2(terminal, 0);
        ::dup2(terminal, 1);
        ::close(maitre_);
        executer(dossier.chemin);
    }
}

Terminal::~Terminal() {
    if (pid_ > 0 && statut == -1) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(maitre_);
}

bool Terminal::lireUnPeu(int millisecondes) {
    pollfd attente{maitre_, POLLIN, 0};
    if (::poll(&attente, 1, millisecondes) <= 0) return false;
    char tampon[4096];
    const ssize_t n = ::read(maitre_, tampon, sizeof tampon);
    if (n <= 0) return false;
    console.append(tampon, static_cast<std::size_t>(n));
    return true;
}

bool Terminal::attendre(const std::string& texte, int millisecondes) {
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondes);
    for (;;) {
        const std::size_t trouve = console.find(texte, vu_);
        if (trouve != std::string::npos) {
            vu_ = trouve + texte.size();
            return true;
        }
        if (std::chrono::steady_clock::now() > limite) return false;
        lireUnPeu(20);
    }
}

void Terminal::taper(const std::string& texte) {
    if (::write(maitre_, texte.data(), texte.size()) < 0) throw std::runtime_error("write");
}

bool Terminal::silence(int millisecondes) {
    const std::size_t avant = console.size();
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondes);
    while (std::chrono::steady_clock::now() < limite) lireUnPeu(20);
    return console.size() == avant;
}

bool Terminal::fin(int millisecondes) {
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondes);
    int etat = 0;
    for (;;) {
        lireUnPeu(10);
        if (::waitpid(pid_, &etat, WNOHANG) == pid_) break;
        if (std::chrono::steady_clock::now() > limite) return false;
    }
    while (lireUnPeu(10)) {
    }
    statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -2;
    return true;
}

namespace {

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> resultat(1);
    for (const char c : texte) {
        resultat.back() += c;
        if (c == '\n') resultat.emplace_back();
    }
    return resultat;
}

std::string lisible(const std::string& ligne) {
    std::string resultat;
    for (const unsigned char c : ligne) {
        if (c == '\n') {
            resultat += "\\n";
        } else if (c < 32 || c > 126) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            resultat += code;
        } else {
            resultat += static_cast<char>(c);
        }
    }
    return resultat;
}

}  // namespace

bool memesOctets(const std::string& attendu, const std::string& obtenu, std::string& rapport) {
    if (attendu == obtenu) return true;
    const std::vector<std::string> a = lignes(attendu);
    const std::vector<std::string> o = lignes(obtenu);
    std::size_t n = 0;
    while (n < a.size() && n < o.size() && a[n] == o[n]) ++n;
    std::ostringstream texte;
    texte << "first difference at line " << n + 1 << " (" << attendu.size() << " bytes expected, "
          << obtenu.size() << " obtained)\n";
    const std::size_t debut = n >= 2 ? n - 2 : 0;
    for (std::size_t i = debut; i < n + 3; ++i) {
        const bool differe = i >= n;
        if (i < a.size())
            texte << (differe ? "- " : "  ") << i + 1 << ": " << lisible(a[i]) << '\n';
        if (differe && i < o.size()) texte << "+ " << i + 1 << ": " << lisible(o[i]) << '\n';
    }
    rapport = texte.str();
    return false;
}
