#include "lecteur.hpp"

#include <climits>
#include <cstdlib>
#include <limits>

namespace {

constexpr int finDonnees = -1;

bool blanc(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool chiffre(int c) {
    return c >= '0' && c <= '9';
}

// The next byte without taking it, or finDonnees (which also sets finAtteinte).
int regarder(Lecteur& lecteur) {
    if (lecteur.position == lecteur.fin) {
        lecteur.position = 0;
        lecteur.fin = static_cast<std::size_t>(lecteur.source->sgetn(
            lecteur.tampon.data(), static_cast<std::streamsize>(lecteur.tampon.size())));
        if (lecteur.fin == 0) {
            lecteur.finAtteinte = true;
            return finDonnees;
        }
    }
    return static_cast<unsigned char>(lecteur.tampon[lecteur.position]);
}

// Takes the byte that regarder returned.
void prendre(Lecteur& lecteur, int c) {
    ++lecteur.position;
    if (c == '\n') {
        ++lecteur.ligne;
    } else if (!blanc(c)) {
        lecteur.ligneDonnee = lecteur.ligne;
    }
}

// What the stream's sentry does before a field: a reader that is not good fails; otherwise
// white space is skipped, and meeting the end of the data fails.
bool debutChamp(Lecteur& lecteur) {
    if (lecteur.echec || lecteur.finAtteinte) {
        lecteur.echec = true;
        return false;
    }
    for (int c = regarder(lecteur); blanc(c); c = regarder(lecteur)) prendre(lecteur, c);
    lecteur.echec = lecteur.finAtteinte;
    return !lecteur.echec;
}

// Takes c into lecteur.nombre when it is the next byte.
bool prendreSi(Lecteur& lecteur, bool condition, int c) {
    if (!condition) return false;
    lecteur.nombre.push_back(static_cast<char>(c));
    prendre(lecteur, c);
    return true;
}

// A decimal significand below 2^24 over a power of ten up to 10^10: both are exact floats,
// so one float division gives the correctly rounded value, as strtof would.
bool conversionDirecte(const std::string& texte, float& valeur) {
    static const float puissances[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                       1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    long significande = 0;
    int decimales = -1;
    std::size_t i = (texte[0] == '-' || texte[0] == '+') ? 1 : 0;
    bool vu = false;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '.') {
            decimales = 0;
            continue;
        }
        if (!chiffre(c)) return false;
        significande = significande * 10 + (c - '0');
        if (significande > (1L << 24)) return false;
        vu = true;
        if (decimales >= 0 && ++decimales > 10) return false;
    }
    if (!vu) return false;
    valeur = static_cast<float>(significande) / puissances[decimales < 0 ? 0 : decimales];
    if (texte[0] == '-') valeur = -valeur;
    return true;
}

}  // namespace

Lecteur ouvrirLecteur(std::streambuf& source) {
    Lecteur lecteur;
    lecteur.source = &source;
    lecteur.tampon.resize(1 << 16);
    return lecteur;
}

void sauterBlancs(Lecteur& lecteur) {
    if (lecteur.echec || lecteur.finAtteinte) {
        lecteur.echec = true;
        return;
    }
    for (int c = regarder(lecteur); blanc(c); c = regarder(lecteur)) prendre(lecteur, c);
}

bool extraireMot(Lecteur& lecteur, std::string& mot) {
    if (!debutChamp(lecteur)) return false;
    mot.clear();
    for (;;) {
        if (regarder(lecteur) == finDonnees) return true;
        const char* const debut = lecteur.tampon.data() + lecteur.position;
        const char* const limite = lecteur.tampon.data() + lecteur.fin;
        const char* p = debut;
        while (p != limite && !blanc(static_cast<unsigned char>(*p))) ++p;
        mot.append(debut, p);
        lecteur.position += static_cast<std::size_t>(p - debut);
        lecteur.ligneDonnee = lecteur.ligne;
        if (p != limite) return true;
    }
}

// As the stream reads a long, then checks that it fits an int; every digit is taken, even
// past an overflow.
bool extraireEntier(Lecteur& lecteur, int& valeur) {
    if (!debutChamp(lecteur)) return false;
    int c = regarder(lecteur);
    const bool negatif = c == '-';
    if (c == '-' || c == '+') {
        prendre(lecteur, c);
        c = regarder(lecteur);
    }
    bool chiffres = false;
    bool depasse = false;
    long long absolu = 0;
    for (; chiffre(c); c = regarder(lecteur)) {
        prendre(lecteur, c);
        chiffres = true;
        absolu = depasse ? absolu : absolu * 10 + (c - '0');
        depasse = depasse || absolu > static_cast<long long>(INT_MAX) + 1;
    }
    const long long signe = negatif ? -absolu : absolu;
    lecteur.echec = !chiffres || depasse || signe > INT_MAX || signe < INT_MIN;
    if (!lecteur.echec) valeur = static_cast<int>(signe);
    return !lecteur.echec;
}

// The stream's grammar: a sign, then digits with at most one point, then, after at least one
// digit, an exponent letter with an optional sign and more digits. The text taken is
// converted whole or the read fails, as the stream does with strtof.
bool extraireReel(Lecteur& lecteur, float& valeur) {
    if (!debutChamp(lecteur)) return false;
    std::string& texte = lecteur.nombre;
    texte.clear();
    int c = regarder(lecteur);
    prendreSi(lecteur, c == '+' || c == '-', c);
    bool point = false;
    bool exposant = false;
    bool mantisse = false;
    for (c = regarder(lecteur);; c = regarder(lecteur)) {
        if (prendreSi(lecteur, chiffre(c), c)) {
            mantisse = true;
        } else if (prendreSi(lecteur, c == '.' && !point && !exposant, c)) {
            point = true;
        } else if (prendreSi(lecteur, (c == 'e' || c == 'E') && !exposant && mantisse, c)) {
            exposant = true;
            c = regarder(lecteur);
            prendreSi(lecteur, c == '+' || c == '-', c);
        } else {
            break;
        }
    }
    if (!conversionDirecte(texte, valeur)) {
        char* finTexte = nullptr;
        valeur = std::strtof(texte.c_str(), &finTexte);
        lecteur.echec = texte.empty() || finTexte != texte.c_str() + texte.size() ||
                        valeur == std::numeric_limits<float>::infinity() ||
                        valeur == -std::numeric_limits<float>::infinity();
    }
    return !lecteur.echec;
}

bool extraireCaractere(Lecteur& lecteur, char& valeur) {
    if (!debutChamp(lecteur)) return false;
    const int c = regarder(lecteur);
    prendre(lecteur, c);
    valeur = static_cast<char>(c);
    return true;
}
