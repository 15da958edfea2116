#include "pdf.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Letter, in points, with one-inch margins, and a 12 pt line pitch. The first baseline sits
// 10 pt under the top margin, so 54 lines fill the page down to the bottom margin.
constexpr int largeurPage = 612;
constexpr int hauteurPage = 792;
constexpr int marge = 72;
constexpr int interligne = 12;
constexpr int premiereLigne = hauteurPage - marge - 10;
static_assert(premiereLigne - (lignesParPage - 1) * interligne - 2 >= marge,
              "the last line and its descenders stay above the bottom margin");

// Courier's glyphs are 0.6 em wide: 79 columns fit the 468 pt between the margins up to
// 9.87 pt. At 9.8 pt they fit as they are; a line of more columns is drawn narrower
// (horizontal scaling, in hundredths of a percent) to end at the right margin. Scaling every
// line instead would make text extraction lose the columns of indented lines.
constexpr std::string_view taillePolice = "9.8";
constexpr long long largeurColonne = 588;  // in hundredths of a point
constexpr long long echelleNormale = 10000;
constexpr long long largeurUtile = (largeurPage - 2 * marge) * 100LL;

long long echelle(std::size_t colonnes) {
    const long long e = largeurUtile * echelleNormale /
                        (largeurColonne * static_cast<long long>(std::max<std::size_t>(colonnes, 1)));
    return std::clamp(e, 1LL, echelleNormale);
}

// Objects 1 to 4 are fixed; each page then takes two numbers, its content and itself.
constexpr int objetCatalogue = 1;
constexpr int objetPages = 2;
constexpr int objetPolice = 3;
constexpr int objetInfo = 4;
constexpr int premierObjetPage = 5;

enum Classe : unsigned char { Simple, Echappe, Octal, FinLigne, SautPage, Retour };

// How each byte of the text goes into a PDF string: most as they are; ( ) and \ behind a
// backslash; other control bytes in octal, so that the content stays plain text.
constexpr std::array<Classe, 256> classes = [] {
    std::array<Classe, 256> c{};
    for (int i = 0; i < 32; ++i) c[i] = Octal;
    c[127] = Octal;
    c['('] = c[')'] = c['\\'] = Echappe;
    c['\n'] = FinLigne;
    c['\f'] = SautPage;
    c['\r'] = Retour;
    return c;
}();

struct Document {
    std::streambuf* sortie = nullptr;
    bool echec = false;
    std::string tampon;              // output not yet handed to sortie
    std::uint64_t ecrits = 0;        // bytes handed to sortie
    std::vector<std::uint64_t> objets = std::vector<std::uint64_t>(premierObjetPage);
    std::string page;                // content of the page being filled
    int lignes = 0;                  // lines placed on it; 0 while no page is open
    int blancs = 0;                  // blank lines read and not placed yet
    long long echelle = echelleNormale;  // the page's current horizontal scaling
    bool enLigne = false;            // a line with text is being read
    std::size_t debutLigne = 0;      // where its text starts in page
    std::size_t largeur = 0;         // its columns so far
};

void vider(Document& pdf) {
    const auto taille = static_cast<std::streamsize>(pdf.tampon.size());
    if (!pdf.echec && pdf.sortie->sputn(pdf.tampon.data(), taille) != taille) pdf.echec = true;
    pdf.ecrits += pdf.tampon.size();
    pdf.tampon.clear();
}

void sortir(Document& pdf, std::string_view texte) {
    pdf.tampon.append(texte);
    if (pdf.tampon.size() >= (1u << 16)) vider(pdf);
}

void debuterObjet(Document& pdf, int numero) {
    pdf.objets[static_cast<std::size_t>(numero)] = pdf.ecrits + pdf.tampon.size();
    sortir(pdf, std::to_string(numero) + " 0 obj\n");
}

std::string echelleTexte(long long e) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%lld.%02lld Tz\n", e / 100, e % 100);
    return texte;
}

void echapper(std::string& dans, unsigned char c) {
    if (classes[c] == Echappe) {
        dans += '\\';
        dans += static_cast<char>(c);
    } else {
        char texte[8];
        std::snprintf(texte, sizeof texte, "\\%03o", c);
        dans += texte;
    }
}

std::string chaine(std::string_view texte) {
    std::string resultat = "(";
    for (const char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        if (classes[octet] == Simple) {
            resultat += c;
        } else {
            echapper(resultat, octet);
        }
    }
    return resultat + ")";
}

void fermerPage(Document& pdf) {
    pdf.blancs = 0;
    if (pdf.lignes == 0) return;
    pdf.page += "ET";
    const auto numero = static_cast<int>(pdf.objets.size());
    pdf.objets.resize(pdf.objets.size() + 2);
    debuterObjet(pdf, numero);
    sortir(pdf, "<< /Length " + std::to_string(pdf.page.size()) + " >>\nstream\n");
    sortir(pdf, pdf.page);
    sortir(pdf, "\nendstream\nendobj\n");
    debuterObjet(pdf, numero + 1);
    sortir(pdf, "<< /Type /Page /Parent 2 0 R /Contents " + std::to_string(numero) +
                    " 0 R >>\nendobj\n");
    pdf.page.clear();
    pdf.lignes = 0;
}

// The first byte of text of a line: the line goes on this page, after the blank lines before
// it, or on a new page when it no longer fits.
void commencerLigne(Document& pdf) {
    if (pdf.lignes + pdf.blancs >= lignesParPage) fermerPage(pdf);
    if (pdf.lignes == 0) {
        pdf.page = "BT\n/F1 " + std::string(taillePolice) + " Tf\n" +
                   std::to_string(interligne) + " TL\n" + std::to_string(marge) + " " +
                   std::to_string(premiereLigne + interligne) + " Td\n";
        pdf.echelle = echelleNormale;
        pdf.blancs = 0;
    }
    for (; pdf.blancs > 0; --pdf.blancs, ++pdf.lignes) pdf.page += "T*\n";
    pdf.page += '(';
    pdf.debutLigne = pdf.page.size() - 1;
    pdf.enLigne = true;
    pdf.largeur = 0;
}

// A line ends at its line end or at a form feed. A blank line is only counted: it takes room
// once text follows it on the same page.
void finirLigne(Document& pdf, bool vide) {
    if (!pdf.enLigne) {
        if (!vide && pdf.lignes > 0) ++pdf.blancs;
        return;
    }
    pdf.page += ")'\n";
    ++pdf.lignes;
    pdf.enLigne = false;
    const long long e = echelle(pdf.largeur);
    if (e != pdf.echelle) {
        pdf.page.insert(pdf.debutLigne, echelleTexte(e));
        pdf.echelle = e;
    }
}

void lire(Document& pdf, const char* p, const char* const fin) {
    while (p != fin) {
        const auto octet = static_cast<unsigned char>(*p);
        switch (classes[octet]) {
            case Simple:
            case Echappe:
            case Octal: {
                if (!pdf.enLigne) commencerLigne(pdf);
                const char* debut = p;
                while (p != fin && classes[static_cast<unsigned char>(*p)] == Simple) ++p;
                pdf.page.append(debut, p);
                pdf.largeur += static_cast<std::size_t>(p - debut);
                if (p != debut) continue;
                echapper(pdf.page, octet);
                ++pdf.largeur;
                break;
            }
            case FinLigne:
                finirLigne(pdf, false);
                break;
            case SautPage:
                finirLigne(pdf, true);
                fermerPage(pdf);
                break;
            case Retour:
                break;
        }
        ++p;
    }
}

}  // namespace

void ecrireFacturesPdf(std::ostream& flux, std::streambuf& texte, std::uint64_t taille,
                       std::string_view titre) {
    Document pdf;
    pdf.sortie = flux.rdbuf();
    // The second line's bytes above 127 mark the file as binary for the programs that look.
    sortir(pdf, "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    debuterObjet(pdf, objetCatalogue);
    sortir(pdf, "<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    debuterObjet(pdf, objetPolice);
    sortir(pdf,
           "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>\n"
           "endobj\n");

    std::vector<char> lu(1 << 16);
    for (std::uint64_t reste = taille; reste > 0;) {
        const auto demande = static_cast<std::streamsize>(std::min<std::uint64_t>(reste, lu.size()));
        const std::streamsize n = texte.sgetn(lu.data(), demande);
        if (n <= 0) break;
        lire(pdf, lu.data(), lu.data() + n);
        reste -= static_cast<std::uint64_t>(n);
    }
    finirLigne(pdf, true);
    fermerPage(pdf);

    const std::size_t nbPages = (pdf.objets.size() - premierObjetPage) / 2;
    debuterObjet(pdf, objetPages);
    sortir(pdf, "<< /Type /Pages /Resources << /Font << /F1 3 0 R >> >> /MediaBox [0 0 " +
                    std::to_string(largeurPage) + " " + std::to_string(hauteurPage) +
                    "] /Count " + std::to_string(nbPages) + " /Kids [");
    for (std::size_t i = 0; i < nbPages; ++i) {
        sortir(pdf, " " + std::to_string(premierObjetPage + 1 + 2 * i) + " 0 R");
    }
    sortir(pdf, " ] >>\nendobj\n");
    debuterObjet(pdf, objetInfo);
    sortir(pdf, "<< /Title " + chaine(titre) + " /Producer " +
                    chaine("facturation " FACTURATION_VERSION) + " >>\nendobj\n");

    const std::uint64_t xref = pdf.ecrits + pdf.tampon.size();
    sortir(pdf, "xref\n0 " + std::to_string(pdf.objets.size()) + "\n0000000000 65535 f \n");
    char entree[32];
    for (std::size_t i = 1; i < pdf.objets.size(); ++i) {
        std::snprintf(entree, sizeof entree, "%010llu 00000 n \n",
                      static_cast<unsigned long long>(pdf.objets[i]));
        sortir(pdf, entree);
    }
    sortir(pdf, "trailer\n<< /Size " + std::to_string(pdf.objets.size()) +
                    " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) +
                    "\n%%EOF\n");
    vider(pdf);
    if (pdf.echec) flux.setstate(std::ios_base::badbit);
}
