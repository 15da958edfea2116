// The PDF printer on thousands of pages, past the size at which its output is handed over:
// reading never goes past the size it is given nor stops short of it unseen, and a write
// that fails marks the stream bad with nothing written after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "report/facture.hpp"
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

std::string pdf(const std::string& texte, std::size_t taille, std::streambuf* sortie = nullptr,
                FileReperes* reperes = nullptr) {
    std::stringbuf source(texte);
    std::ostringstream resultat;
    std::ostream flux(sortie == nullptr ? resultat.rdbuf() : sortie);
    const std::uint64_t lus =
        ecrireFacturesPdf(flux, source, taille, "Factures du 28-02-2012", reperes);
    return flux.bad() || lus != taille ? "bad" : resultat.str();
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

// Every byte of a line, at every place in an eight-byte word and with its line feed at any
// place after it, goes into the page's string as a PDF string requires: ( ) and \ behind a
// backslash, control bytes and DEL in octal; the bytes around it as they are.
TEST(Pdf, chaqueOctetEchappe) {
    for (int octet = 0; octet < 256; ++octet) {
        if (octet == '\n' || octet == '\f' || octet == '\r') continue;
        char octal[8];
        std::snprintf(octal, sizeof octal, "\\%03o", octet);
        const char c = static_cast<char>(octet);
        std::string forme = octet < 32 || octet == 127 ? octal : std::string(1, c);
        if (c == '(' || c == ')' || c == '\\') forme = "\\" + forme;
        for (std::size_t place = 0; place < 16; ++place) {
            // The line last in the text, or ended by its line feed at any place in a word.
            for (const std::size_t apres : {20, 0, 5, 7}) {
                const std::string a(place, 'a'), b(apres, 'b'), ligne = a + c + b;
                const std::string texte = apres == 20 ? ligne : ligne + "\nsuite\n";
                EXPECT_NE(pdf(texte, texte.size()).find("(" + a + forme + b + ")'"),
                          std::string::npos)
                    << octet << " at " << place << ", " << apres << " after";
            }
        }
    }
}

// The outline walked as a viewer walks it: from /First along /Next to /Last, each item's
// /Parent the outline, /Prev the item before, its page a page of the tree; an invoice over
// several pages sends the next item past them. The items are the marks', not the text's.
TEST(Pdf, planEnChaine) {
    std::string texte;
    FileReperes reperes;
    for (int n = 0; n < 3; ++n) {
        reperes.ajouter(repereFacture(texte.size(), 2, n, 100 + n, "A", "(B)"));
        texte += "Magasin   No : " + std::to_string(n) + "\n\n\n\n\nClient : 100   A (B)\n";
        for (int i = 0; i < 60 * (n == 1 ? 1 : 0); ++i) texte += "ligne\n";
        texte += "\f";
    }
    reperes.ajouter(repereSommaire(texte.size(), "01-01-2000"));
    texte += "   Sommaire des factures du 01-01-2000\n";
    const std::string sortie = pdf(texte, texte.size(), nullptr, &reperes);
    const std::regex motif(
        R"(\n(\d+) 0 obj\n<< /Title \((.*?)\) /Parent 5 0 R(?: /Prev (\d+) 0 R)?)"
        R"((?: /Next (\d+) 0 R)? /Dest \[(\d+) 0 R /Fit\] >>)");
    std::map<std::string, std::smatch> entrees;
    for (std::sregex_iterator i(sortie.begin(), sortie.end(), motif), fin; i != fin; ++i) {
        entrees[(*i)[1]] = *i;
    }
    std::smatch plan;
    ASSERT_TRUE(std::regex_search(sortie, plan,
                                  std::regex(R"(<< /Type /Outlines /First (\d+) 0 R)"
                                             R"( /Last (\d+) 0 R /Count 4 >>)")));
    std::vector<std::string> titres, pages;
    std::string precedente, numero = plan[1];
    for (; entrees.count(numero) != 0; numero = entrees[numero][4]) {
        const std::smatch& entree = entrees[numero];
        EXPECT_EQ(entree[3], precedente);
        EXPECT_NE(sortie.find("\n" + entree[5].str() + " 0 obj\n<< /Type /Page "),
                  std::string::npos);
        titres.push_back(entree[2]);
        pages.push_back(entree[5]);
        precedente = numero;
        if (!entree[4].matched) break;
    }
    EXPECT_EQ(precedente, plan[2]);
    EXPECT_EQ(titres, (std::vector<std::string>{
                          "Facture 0 - client 100 A \\(B\\)", "Facture 1 - client 101 A \\(B\\)",
                          "Facture 2 - client 102 A \\(B\\)", "Sommaire du 01-01-2000"}));
    // Pages 7, 10, 16, 19: the second invoice takes two, and an object more, its page count,
    // which its first page draws before the count is known.
    EXPECT_EQ(pages, (std::vector<std::string>{"7", "10", "16", "19"}));
}

// The invoice file as Windows writes it, CR LF, gives the PDF of its LF text: no CR drawn, no
// column more on a wide line, the same outline titles.
TEST(Pdf, finsDeLigneCrLf) {
    const std::string lf = "Magasin chez Mo-Tino   No : 0\n\n\n\n\nClient : 100   A B\n\n" +
                           std::string(80, 'x') + "\n" + std::string(79, 'y') + "\n\f\nfin\n";
    std::string crlf;
    for (const char c : lf) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    EXPECT_EQ(pdf(crlf, crlf.size()), pdf(lf, lf.size()));
}
