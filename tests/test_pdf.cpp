// The PDF printer's reading: the same bytes whatever the size of its read buffer, from an
// invoice file with CR LF line ends (Windows) as with LF, and never past the size it is given.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "borne.hpp"
#include "report/pdf.hpp"

namespace {

std::string pdf(const std::string& texte, std::size_t taille, std::size_t tailleLecture) {
    std::stringbuf source(texte);
    std::ostringstream flux;
    ecrireFacturesPdf(flux, source, taille, "Factures du 28-02-2012", tailleLecture);
    return flux.str();
}

}  // namespace

TEST(Pdf, memesOctetsQuelleQueSoitLaLecture) {
    // Over a page of lines with bytes to escape, blank lines, a line wider than 79 columns,
    // form feeds alone and inside a line, a last line without its line end.
    std::string texte;
    for (int i = 0; i < 70; ++i) texte += "ligne " + std::to_string(i) + " (a) \\b \x01\xE9\n";
    texte += "\n\n" + std::string(120, 'x') + "\n\f\n\nsuite\fapres\n\nfin";
    const std::string attendu = pdf(texte, texte.size(), 1 << 18);
    for (std::size_t tailleLecture = 1; tailleLecture < 200; ++tailleLecture) {
        ASSERT_EQ(pdf(texte, texte.size(), tailleLecture), attendu) << tailleLecture;
    }
    std::string crlf;
    for (const char c : texte) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(pdf(crlf, crlf.size(), 5), attendu);
    EXPECT_EQ(pdf(texte + "ligne de trop\n", texte.size(), 5), attendu);
    EXPECT_NE(pdf(texte + "ligne de trop\n", texte.size() + 5, 5), attendu);
}


// Thousands of pages, past the size at which the output is handed over: every entry of the
// cross-reference table points at its object. A write that fails marks the stream bad, and
// nothing more is written after it.
TEST(Pdf, tableDesObjetsEtEcritureQuiEchoue) {
    std::string texte;
    for (int i = 0; i < 7000; ++i) texte += "x\f";
    const std::string octets = pdf(texte, texte.size(), 1 << 18);
    std::istringstream table(octets.substr(std::stoull(octets.substr(octets.rfind("startxref") + 10))));
    std::string xref, decalage, generation, etat;
    int premier = 0, nombre = 0;
    table >> xref >> premier >> nombre >> decalage >> generation >> etat;
    ASSERT_EQ(xref + etat, "xreff");
    ASSERT_EQ(nombre, 5 + 2 * 7000);
    for (int numero = 1; numero < nombre; ++numero) {
        table >> decalage >> generation >> etat;
        const std::string objet = std::to_string(numero) + " 0 obj\n";
        ASSERT_EQ(octets.substr(std::stoull(decalage), objet.size()), objet);
    }

    Borne borne(100000);
    std::ostream flux(&borne);
    std::stringbuf source(texte);
    ecrireFacturesPdf(flux, source, texte.size(), "Factures");
    EXPECT_TRUE(flux.bad());
    EXPECT_EQ(borne.ecritures, 1);
}
