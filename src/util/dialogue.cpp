#include "util/dialogue.hpp"

#include <iostream>
#include <streambuf>

#include "util/console.hpp"

namespace {

// Reads descriptor 0 into a buffer of its own: the standard console buffer keeps what it
// has received out of reach, and viderEntree must be able to drop it.
class TamponConsole : public std::streambuf {
  public:
    TamponConsole() { oublier(); }

    // Drops what was read ahead and not taken yet.
    void oublier() { setg(tampon_, tampon_, tampon_); }

  protected:
    // Called only once every byte read ahead has been taken.
    int_type underflow() override {
        const std::size_t lus = lireEntreeStandard(tampon_, sizeof tampon_);
        if (lus == 0) return traits_type::eof();
        setg(tampon_, tampon_, tampon_ + lus);
        return traits_type::to_int_type(*gptr());
    }

  private:
    char tampon_[1 << 16];
};

TamponConsole tamponConsole;

// Standard input that cannot be positioned. On a terminal the operator's earlier typing is
// dropped, whether the program already holds it or the terminal still does; on a pipe only
// the rest of the line already received goes, since what follows is the next answer.
void abandonnerSaisieRecue() {
    std::streambuf& tampon = *std::cin.rdbuf();
    if (entreeEstTerminal()) {
        viderTerminal();
        while (tampon.in_avail() > 0) tampon.sbumpc();
        return;
    }
    while (tampon.in_avail() > 0) {
        if (tampon.sbumpc() == '\n') return;
    }
}

}  // namespace

char majuscule(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

void ecrireInvite(const std::string& invite) {
    std::cout << invite << std::endl;
}

void brancherConsole() {
    std::cin.rdbuf(&tamponConsole);
}

// Input that can be positioned (a file) goes to its end: nothing before it is an answer.
void viderEntree() {
    std::cin.clear();
    if (!placerEntreeALaFin()) {
        abandonnerSaisieRecue();
        return;
    }
    tamponConsole.oublier();
    std::cin.ignore(limiteIgnore, '\n');
}

// Clearing before the text is shown, not after: an Enter typed as soon as the text appears
// must not be dropped.
void attendreEntree() {
    viderEntree();
    std::cout << "Appuyer sur entrer pour continuer ... " << std::flush;
    std::cin.ignore(limiteIgnore, '\n');
}

bool questionOuiNon(std::string question) {
    viderEntree();
    for (;;) {
        ecrireInvite(question);
        const int c = std::cin.get();
        if (c == std::char_traits<char>::eof()) return false;
        const char reponse = majuscule(static_cast<char>(c));
        if (reponse == 'O') return true;
        if (reponse == 'N') return false;
    }
}

std::string_view eAiguConsole() {
    if (!sortieEstTerminal()) return "\x82";
    const JeuConsole jeu = jeuConsole();
    if (jeu == JeuConsole::Utf8) return "\xC3\xA9";
    return jeu == JeuConsole::Latin1 || jeu == JeuConsole::Windows1252 ? "\xE9" : "\x82";
}

namespace {

bool c1(bool terminal) {
    if (!terminal) return false;
    const JeuConsole jeu = jeuConsole();
    return jeu == JeuConsole::Utf8 || jeu == JeuConsole::Latin1;
}

}  // namespace

bool c1Sortie() {
    return c1(sortieEstTerminal());
}

bool c1Erreur() {
    return c1(erreurEstTerminal());
}

void effacerEcran() {
    std::cout << std::string(25, '\n');
}
