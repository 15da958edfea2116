#include "util/windows1252.hpp"

namespace {

// What Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has its C1 controls.
constexpr char32_t zone80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char octetWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (unsigned char i = 0; i < 32; ++i) {
        if (zone80[i] == c) return static_cast<char>(0x80 + i);  // c is not 0 here
    }
    return '?';
}

// The sequence that starts at p: its length, 0 when it is not valid UTF-8, and its
// character. The second byte's range is narrowed where RFC 3629 says: E0 and F0 would be
// overlong below it, ED would give a surrogate above it, F4 a character above U+10FFFF.
std::size_t decoder(const unsigned char* p, const unsigned char* fin, char32_t& c) {
    const unsigned char tete = *p;
    std::size_t n = 1;
    unsigned char bas = 0x80;
    unsigned char haut = 0xBF;
    if (tete < 0x80) {
        c = tete;
        return 1;
    }
    if (tete >= 0xC2 && tete <= 0xDF) {
        n = 2;
        c = tete & 0x1Fu;
    } else if (tete >= 0xE0 && tete <= 0xEF) {
        n = 3;
        c = tete & 0x0Fu;
        bas = tete == 0xE0 ? 0xA0 : bas;
        haut = tete == 0xED ? 0x9F : haut;
    } else if (tete >= 0xF0 && tete <= 0xF4) {
        n = 4;
        c = tete & 0x07u;
        bas = tete == 0xF0 ? 0x90 : bas;
        haut = tete == 0xF4 ? 0x8F : haut;
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(fin - p) < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if (p[i] < bas || p[i] > haut) return 0;
        c = (c << 6) | (p[i] & 0x3Fu);
        bas = 0x80;
        haut = 0xBF;
    }
    return n;
}

}  // namespace

char32_t caractereWindows1252(unsigned char octet) {
    return octet >= 0x80 && octet < 0xA0 ? zone80[octet - 0x80] : octet;
}

char* versUtf8(unsigned char octet, char* sortie) {
    char32_t c = caractereWindows1252(octet);
    if (c == 0 && octet != 0) c = 0xFFFD;
    if (c < 0x80) {
        *sortie++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *sortie++ = static_cast<char>(0xC0 | (c >> 6));
        *sortie++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *sortie++ = static_cast<char>(0xE0 | (c >> 12));
        *sortie++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *sortie++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return sortie;
}

std::size_t utf8VersWindows1252(char* mot, std::size_t longueur) {
    auto* const debut = reinterpret_cast<unsigned char*>(mot);
    const unsigned char* const fin = debut + longueur;
    bool multiple = false;
    char32_t c = 0;
    for (const unsigned char* p = debut; p != fin;) {
        const std::size_t n = decoder(p, fin, c);
        if (n == 0) return longueur;  // not UTF-8: the store's own bytes
        multiple = multiple || n > 1;
        p += n;
    }
    if (!multiple) return longueur;
    // In place: each character takes one byte, never more than its sequence.
    char* ecrit = mot;
    for (const unsigned char* p = debut; p != fin;) {
        p += decoder(p, fin, c);
        *ecrit++ = octetWindows1252(c);
    }
    return static_cast<std::size_t>(ecrit - mot);
}
