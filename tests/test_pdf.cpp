// The PDF printer on thousands of pages, past the size at which its output is handed over:
// reading never goes past the size it is given nor stops short of it unseen, and a write
// that fails marks the stream bad with nothing written after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "report/pdf.hpp"

namespace {

// Takes the first reste bytes written to it, then refuses; counts the writes asked of it.
struct Borne : std::streambuf {
    explicit Borne(std::streamsize n) : reste(n) {}
    std::streamsize reste;
    int ecritures = 0;
    std::streamsize xsputn(const char*, std::streamsize n) override {
        ++ecritures;
        const std::streamsize pris = std::min(n, reste);
        reste -= pris;
        return pris;
    }
};

std::string pdf(const std::string& texte, std::size_t taille, std::streambuf* sortie = nullptr) {
    std::stringbuf source(texte);
    std::ostringstream resultat;
    std::ostream flux(sortie == nullptr ? resultat.rdbuf() : sortie);
    ecrireFacturesPdf(flux, source, taille, "Factures du 28-02-2012");
    return flux.bad() ? "bad" : resultat.str();
}

}  // namespace

TEST(Pdf, tailleEtEcritureQuiEchoue) {
    std::string texte;
    for (int i = 0; i < 7000; ++i) texte += "x\f";
    EXPECT_EQ(pdf(texte + "ligne de trop\n", texte.size()), pdf(texte, texte.size()));
    Borne borne(100000);
    EXPECT_EQ(pdf(texte, texte.size(), &borne), "bad");
    EXPECT_EQ(borne.ecritures, 1);
    EXPECT_EQ(pdf(texte, texte.size() + 1), "bad");  // a text that gives out early
}

// Every byte of a line, at every place in an eight-byte word, goes into the page's string as a
// PDF string requires: ( ) and \ behind a backslash, control bytes and DEL in octal.
TEST(Pdf, chaqueOctetEchappe) {
    for (int octet = 0; octet < 256; ++octet) {
        if (octet == '\n' || octet == '\f' || octet == '\r') continue;
        char octal[8];
        std::snprintf(octal, sizeof octal, "\\%03o", octet);
        const char c = static_cast<char>(octet);
        std::string forme = octet < 32 || octet == 127 ? octal : std::string(1, c);
        if (c == '(' || c == ')' || c == '\\') forme = "\\" + forme;
        for (std::size_t place = 0; place < 16; ++place) {
            const std::string a(place, 'a'), b(20, 'b'), ligne = a + c + b;
            EXPECT_NE(pdf(ligne, ligne.size()).find("(" + a + forme + b + ")'"), std::string::npos)
                << octet << " at " << place;
        }
    }
}
