#include "util/dialogue.hpp"

#include <iostream>
#include <streambuf>

#include "util/console.hpp"

namespace {

// Reads descriptor 0 into a buffer of its own: the standard console buffer keeps what it
// has received out of reach, and viderEntree must be able to drop it.
class TamponConsole : public std::streambuf {
  public:
    TamponConsole() { setg(tampon_, tampon_, tampon_); }

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const std::size_t lus = lireEntreeStandard(tampon_, sizeof tampon_);
        if (lus == 0) return traits_type::eof();
        setg(tampon_, tampon_, tampon_ + lus);
        return traits_type::to_int_type(*gptr());
    }

    // Moving the descriptor discards the buffer; a refusal (pipe, terminal) keeps it.
    pos_type seekoff(off_type decalage, std::ios_base::seekdir sens,
                     std::ios_base::openmode) override {
        int depuis = SEEK_CUR;
        if (sens == std::ios_base::beg) depuis = SEEK_SET;
        if (sens == std::ios_base::end) depuis = SEEK_END;
        if (sens == std::ios_base::cur) decalage -= egptr() - gptr();
        const long long position = deplacerEntreeStandard(decalage, depuis);
        if (position < 0) return pos_type(off_type(-1));
        setg(tampon_, tampon_, tampon_);
        return pos_type(static_cast<off_type>(position));
    }

    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override {
        return seekoff(off_type(position), std::ios_base::beg, mode);
    }

  private:
    char tampon_[1 << 16];
};

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
    static TamponConsole tampon;
    std::cin.rdbuf(&tampon);
}

void viderEntree() {
    std::cin.clear();
    std::cin.seekg(0, std::ios_base::end);
    if (std::cin.fail()) {
        std::cin.clear();
        abandonnerSaisieRecue();
        return;
    }
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
    switch (jeuConsole()) {
        case JeuConsole::Utf8:
            return "\xC3\xA9";
        case JeuConsole::Latin1:
            return "\xE9";
        case JeuConsole::Cp850:
            break;
    }
    return "\x82";
}

void effacerEcran() {
    std::cout << std::string(25, '\n');
}
