#include "ventes/lecteur.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ios>
#include <limits>

namespace {

// White space by table: one load per byte in the scanning loops instead of two comparisons.
constexpr auto tableBlancs = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = estBlanc(static_cast<unsigned char>(c));
    return table;
}();

bool blanc(unsigned char c) {
    return tableBlancs[c];
}

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// Past the optional sign that every number may begin with.
const char* apresSigne(const char* p, const char* fin) {
    return (p != fin && (*p == '+' || *p == '-')) ? p + 1 : p;
}

// Makes at least voulu bytes readable from position, unless the data ends first: the bytes
// from the mark on move to the front of the buffer, which doubles when they leave too little
// room. Returns how many are readable.
std::size_t remplir(Lecteur& lecteur, std::size_t voulu) {
    const std::size_t garde = lecteur.position - lecteur.marque;
    std::memmove(lecteur.tampon.data(), lecteur.tampon.data() + lecteur.marque,
                 lecteur.fin - lecteur.marque);
    lecteur.fin -= lecteur.marque;
    lecteur.position = garde;
    lecteur.marque = 0;
    voulu += garde;
    if (lecteur.tampon.size() < voulu) {
        lecteur.tampon.resize(std::max(voulu, 2 * lecteur.tampon.size()));
    }
    while (lecteur.fin < voulu) {
        std::streamsize lus = 0;
        try {
            lus = lecteur.source->sgetn(
                lecteur.tampon.data() + lecteur.fin,
                static_cast<std::streamsize>(lecteur.tampon.size() - lecteur.fin));
        } catch (const std::ios_base::failure& echec) {
            lecteur.erreur = echec.code();
        }
        if (lus <= 0) {
            lecteur.sourceEpuisee = true;
            break;
        }
        lecteur.fin += static_cast<std::size_t>(lus);
    }
    return lecteur.fin - lecteur.position;
}

// The same, at the cost of a comparison when the bytes are there already, as they mostly are.
inline std::size_t assurer(Lecteur& lecteur, std::size_t voulu) {
    const std::size_t disponible = lecteur.fin - lecteur.position;
    if (disponible >= voulu || lecteur.sourceEpuisee) return disponible;
    return remplir(lecteur, voulu);
}

// At the end of the window: reads on; false, with finAtteinte set, once the data has ended.
bool lireSuite(Lecteur& lecteur) {
    lecteur.finAtteinte = lecteur.sourceEpuisee || remplir(lecteur, 1) == 0;
    return !lecteur.finAtteinte;
}

// Takes n bytes that hold no white space, such as a number.
void prendreSansBlanc(Lecteur& lecteur, std::size_t n) {
    lecteur.position += n;
    if (n > 0) lecteur.ligneDonnee = lecteur.ligne;
}

// What the stream's sentry does before a field: a reader that is not good fails; otherwise
// white space is skipped, and meeting the end of the data fails.
bool debutChamp(Lecteur& lecteur) {
    // Fields are mostly apart by one blank, the field's first byte already in the window (a
    // reader that met the end of the data has no byte left in it).
    const std::size_t position = lecteur.position;
    if (position + 1 < lecteur.fin && !lecteur.echec) {
        const char separateur = lecteur.tampon[position];
        if (blanc(static_cast<unsigned char>(separateur)) &&
            !blanc(static_cast<unsigned char>(lecteur.tampon[position + 1]))) {
            lecteur.position = position + 1;
            if (separateur == '\n') ++lecteur.ligne;
            return true;
        }
    }
    sauterBlancs(lecteur);
    lecteur.echec = lecteur.echec || lecteur.finAtteinte;
    return !lecteur.echec;
}

// The bytes of a field that a scanning function takes from the start of the readable bytes.
// A field that reaches the end of what is readable may go on: more is read, and the scan
// starts again, until it stops on a byte or at the end of the data (which sets finAtteinte).
template <typename Balayage>
std::size_t longueurChamp(Lecteur& lecteur, Balayage balayer) {
    std::size_t voulu = 64;
    for (;;) {
        const std::size_t disponible = assurer(lecteur, voulu);
        const char* const debut = lecteur.tampon.data() + lecteur.position;
        const char* const arret = balayer(debut, debut + disponible);
        if (arret != debut + disponible || lecteur.sourceEpuisee) {
            lecteur.finAtteinte = arret == debut + disponible;
            return static_cast<std::size_t>(arret - debut);
        }
        voulu = 2 * disponible + 1;
    }
}

// The stream's grammar for an int: an optional sign, then decimal digits.
const char* finEntier(const char* p, const char* fin) {
    p = apresSigne(p, fin);
    while (p != fin && chiffre(*p)) ++p;
    return p;
}

// The stream's grammar for a float: an optional sign, then digits with at most one point,
// then, after at least one digit, an exponent letter with an optional sign and more digits.
const char* finReel(const char* p, const char* fin) {
    p = apresSigne(p, fin);
    bool point = false;
    bool exposant = false;
    bool mantisse = false;
    while (p != fin) {
        if (chiffre(*p)) {
            mantisse = true;
        } else if (*p == '.' && !point && !exposant) {
            point = true;
        } else if ((*p == 'e' || *p == 'E') && !exposant && mantisse) {
            exposant = true;
            p = apresSigne(p + 1, fin);
            continue;
        } else {
            break;
        }
        ++p;
    }
    return p;
}

// Digits with at most one point, their significand below 2^24 and at most ten decimals:
// both the significand and the power of ten are exact floats, so one float division gives
// the correctly rounded value, as strtof would.
bool conversionDirecte(const char* p, const char* fin, float& valeur) {
    static const float puissances[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                       1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const bool negatif = p != fin && *p == '-';
    p = apresSigne(p, fin);
    long significande = 0;
    int decimales = -1;
    bool vu = false;
    for (; p != fin; ++p) {
        if (*p == '.') {
            decimales = 0;
            continue;
        }
        if (!chiffre(*p)) return false;
        significande = significande * 10 + (*p - '0');
        if (significande > (1L << 24) || (decimales >= 0 && ++decimales > 10)) return false;
        vu = true;
    }
    if (!vu) return false;
    valeur = static_cast<float>(significande) / puissances[decimales < 0 ? 0 : decimales];
    if (negatif) valeur = -valeur;
    return true;
}

}  // namespace

Lecteur ouvrirLecteur(std::streambuf& source, std::size_t fenetre) {
    Lecteur lecteur;
    lecteur.source = &source;
    lecteur.tampon.resize(std::max<std::size_t>(fenetre, 1));
    return lecteur;
}

void sauterBlancs(Lecteur& lecteur) {
    if (lecteur.echec || lecteur.finAtteinte) {
        lecteur.echec = true;
        return;
    }
    // Window by window: a run of blanks may cross a refill. Once a window holds nothing but
    // blanks from where the run began, those are counted and dropped: nothing refers to
    // them, and a record cut by megabytes of blanks must not make the window grow.
    const std::size_t debutBlancs = lecteur.position - lecteur.marque;  // a refill moves them
    do {
        const char* const debut = lecteur.tampon.data();
        const char* p = debut + lecteur.position;
        const char* const limite = debut + lecteur.fin;
        for (; p != limite && blanc(static_cast<unsigned char>(*p)); ++p) {
            if (*p == '\n') ++lecteur.ligne;
        }
        lecteur.position = static_cast<std::size_t>(p - debut);
        if (p != limite) return;
        lecteur.position = lecteur.fin = lecteur.marque + debutBlancs;
    } while (lireSuite(lecteur));
}

void marquer(Lecteur& lecteur) {
    lecteur.marque = lecteur.position;
}

std::string_view texte(const Lecteur& lecteur, Mot mot) {
    return {lecteur.tampon.data() + lecteur.marque + mot.debut, mot.longueur};
}

bool extraireMot(Lecteur& lecteur, Mot& mot) {
    if (!debutChamp(lecteur)) return false;
    const std::size_t debut = lecteur.position - lecteur.marque;
    unsigned char haut = 0;  // every byte's bits, while they pass: its top bit marks 0x80
    // Window by window, from the first byte, which a good field start has in the window.
    do {
        const char* const depart = lecteur.tampon.data() + lecteur.position;
        const char* const limite = lecteur.tampon.data() + lecteur.fin;
        const char* p = depart;
        for (; p != limite && !blanc(static_cast<unsigned char>(*p)); ++p) {
            haut |= static_cast<unsigned char>(*p);
        }
        prendreSansBlanc(lecteur, static_cast<std::size_t>(p - depart));
        if (p != limite) break;
    } while (lireSuite(lecteur));
    mot = {debut, lecteur.position - lecteur.marque - debut, haut < 0x80};
    return true;
}

// As the stream reads a long, then checks that it fits an int.
bool extraireEntier(Lecteur& lecteur, int& valeur) {
    if (!debutChamp(lecteur)) return false;
    const std::size_t longueur = longueurChamp(lecteur, finEntier);
    const char* p = lecteur.tampon.data() + lecteur.position;
    const char* const fin = p + longueur;
    prendreSansBlanc(lecteur, longueur);
    const bool negatif = p != fin && *p == '-';
    p = apresSigne(p, fin);
    long long absolu = 0;
    lecteur.echec = p == fin;
    for (; p != fin && !lecteur.echec; ++p) {
        absolu = absolu * 10 + (*p - '0');
        lecteur.echec = absolu > (negatif ? -static_cast<long long>(INT_MIN) : INT_MAX);
    }
    if (!lecteur.echec) valeur = static_cast<int>(negatif ? -absolu : absolu);
    return !lecteur.echec;
}

// The text taken is converted whole, or the read fails, as the stream does with strtof.
bool extraireReel(Lecteur& lecteur, float& valeur) {
    if (!debutChamp(lecteur)) return false;
    const std::size_t longueur = longueurChamp(lecteur, finReel);
    const char* const debut = lecteur.tampon.data() + lecteur.position;
    prendreSansBlanc(lecteur, longueur);
    if (conversionDirecte(debut, debut + longueur, valeur)) return true;
    lecteur.nombre.assign(debut, longueur);
    char* finTexte = nullptr;
    valeur = std::strtof(lecteur.nombre.c_str(), &finTexte);
    lecteur.echec = longueur == 0 || finTexte != lecteur.nombre.c_str() + longueur ||
                    valeur == std::numeric_limits<float>::infinity() ||
                    valeur == -std::numeric_limits<float>::infinity();
    return !lecteur.echec;
}

namespace {

// Digits with at most two decimals, below a million dollars, as nearly every price is: its
// cents are its digits, with nothing to round.
bool centimesDirects(const char* p, const char* fin, long long& centimes) {
    const bool negatif = p != fin && *p == '-';
    p = apresSigne(p, fin);
    long long valeur = 0;
    int decimales = -1;
    bool vu = false;
    for (; p != fin; ++p) {
        if (*p == '.' && decimales < 0) {
            decimales = 0;
            continue;
        }
        if (!chiffre(*p) || (decimales >= 0 && ++decimales > 2)) return false;
        valeur = valeur * 10 + (*p - '0');
        if (valeur >= prixCentimesMax) return false;
        vu = true;
    }
    for (decimales = std::max(decimales, 0); decimales < 2; ++decimales) valeur *= 10;
    if (!vu || valeur >= prixCentimesMax) return false;
    centimes = negatif ? -valeur : valeur;
    return true;
}

// A price's decimal text (digits, a point, an exponent) brought to cents from its digits, a
// half away from zero: "1.005" is 101 cents, "-0.005" is -1, whatever the nearest double.
// False for any other text (a hexadecimal float, inf, nan), and at a million dollars.
bool centimesDe(const char* p, const char* fin, long long& centimes) {
    if (centimesDirects(p, fin, centimes)) return true;
    const bool negatif = p != fin && *p == '-';
    p = apresSigne(p, fin);
    constexpr int chiffresMax = 9;  // those of prixCentimesMax: a value with more is too large
    std::array<char, chiffresMax + 1> significatifs{};
    int nbSignificatifs = 0;  // past chiffresMax, only whether the price is too large counts
    long long exposant = 2;   // of the digits kept, in cents
    bool vu = false;
    bool point = false;
    for (; p != fin && (chiffre(*p) || (*p == '.' && !point)); ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        vu = true;
        if (nbSignificatifs == 0 && *p == '0') {
            if (point) --exposant;
            continue;
        }
        if (nbSignificatifs <= chiffresMax) {
            significatifs[static_cast<std::size_t>(nbSignificatifs++)] = *p;
            if (point) --exposant;
        } else if (!point) {
            ++exposant;
        }
    }
    if (!vu) return false;
    if (p != fin && (*p == 'e' || *p == 'E')) {
        const bool exposantNegatif = p + 1 != fin && p[1] == '-';
        const char* q = apresSigne(p + 1, fin);
        long long puissance = 0;
        if (q == fin) return false;
        for (; q != fin && chiffre(*q); ++q)
            puissance = std::min(puissance * 10 + (*q - '0'), 100000LL);
        if (q != fin) return false;
        exposant += exposantNegatif ? -puissance : puissance;
        p = q;
    }
    if (p != fin) return false;
    // The integer part in cents has entiers digits; the first digit dropped rounds it.
    const long long entiers = nbSignificatifs + exposant;
    if (entiers > chiffresMax) return false;
    long long valeur = 0;
    for (long long i = 0; i < entiers; ++i) {
        valeur = valeur * 10 +
                 (i < nbSignificatifs ? significatifs[static_cast<std::size_t>(i)] - '0' : 0);
    }
    if (entiers >= 0 && entiers < nbSignificatifs &&
        significatifs[static_cast<std::size_t>(entiers)] >= '5') {
        ++valeur;
    }
    if (valeur >= prixCentimesMax) return false;
    centimes = negatif ? -valeur : valeur;
    return true;
}

}  // namespace

bool extraireCentimes(Lecteur& lecteur, long long& centimes) {
    if (!debutChamp(lecteur)) return false;
    const std::size_t longueur = longueurChamp(lecteur, finReel);
    const char* const debut = lecteur.tampon.data() + lecteur.position;
    prendreSansBlanc(lecteur, longueur);
    lecteur.echec = longueur == 0 || !centimesDe(debut, debut + longueur, centimes);
    return !lecteur.echec;
}

bool extraireCaractere(Lecteur& lecteur, char& valeur) {
    if (!debutChamp(lecteur)) return false;
    valeur = lecteur.tampon[lecteur.position];
    prendreSansBlanc(lecteur, 1);
    return true;
}

std::string_view champApres(Lecteur& lecteur, std::size_t depuis, std::size_t n) {
    std::size_t debut = lecteur.marque + depuis;
    while (debut < lecteur.fin && blanc(static_cast<unsigned char>(lecteur.tampon[debut]))) {
        ++debut;
    }
    if (debut == lecteur.fin) return {};
    // The field may run past the window: read on from its first byte, which the mark keeps.
    lecteur.position = debut;
    const std::size_t disponible = std::min(remplir(lecteur, n), n);
    const char* const champ = lecteur.tampon.data() + lecteur.position;
    std::size_t longueur = 0;
    while (longueur < disponible && !blanc(static_cast<unsigned char>(champ[longueur]))) {
        ++longueur;
    }
    return {champ, longueur};
}
