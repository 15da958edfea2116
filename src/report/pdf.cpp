#include "report/pdf.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include "report/plan_pdf.hpp"
#include "report/reperes.hpp"
#include "util/ecrivain.hpp"

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
// (horizontal scaling) to end at the right margin. Scaling every line instead would make text
// extraction lose the columns of indented lines. The scaling is a percentage with four
// decimals: with two, a line of 2,000 columns ended a point and more short of the margin.
constexpr std::string_view taillePolice = "9.8";
constexpr long long largeurColonne = 588;  // in hundredths of a point
constexpr int decimalesEchelle = 4;
constexpr long long parPourcent = 10000;  // scaling units in one percent
constexpr long long echelleNormale = 100 * parPourcent;
constexpr long long largeurUtile = (largeurPage - 2 * marge) * 100LL;

long long echelle(std::size_t colonnes) {
    if (static_cast<long long>(colonnes) * largeurColonne <= largeurUtile) return echelleNormale;
    const long long e =
        largeurUtile * echelleNormale /
        (largeurColonne * static_cast<long long>(std::max<std::size_t>(colonnes, 1)));
    return std::clamp(e, 1LL, echelleNormale);
}

// Objects 1 to 5 are fixed; each page then takes two numbers, its content and itself, and
// the first page of an invoice or of the summary one more, its outline item.
constexpr int objetCatalogue = 1;
constexpr int objetPages = 2;
constexpr int objetPolice = 3;
constexpr int objetInfo = 4;
constexpr int objetPlan = 5;
constexpr int premierObjetPage = 6;

// How each byte of a line goes into a PDF string: most as they are; ( ) and \ behind a
// backslash; control bytes in octal, so that the content stays plain text.
enum Classe : unsigned char { Simple, Echappe, Octal };
constexpr std::array<Classe, 256> classes = [] {
    std::array<Classe, 256> c{};
    for (int i = 0; i < 32; ++i) c[i] = Octal;
    c[127] = Octal;
    c['('] = c[')'] = c['\\'] = Echappe;
    return c;
}();

// What every page's content begins with: the font, the line pitch, the first line's place.
const std::string debutPage = "BT\n/F1 " + std::string(taillePolice) + " Tf\n" +
                              std::to_string(interligne) + " TL\n" + std::to_string(marge) + " " +
                              std::to_string(premiereLigne + interligne) + " Td\n";

// An invoice's pages are numbered "page k/n" under their last line, n in an object of its own
// that every page of the invoice draws and that is written at the invoice's end; a head is
// repeated only while it leaves most of the page to the items.
constexpr int ligneNumero = lignesParPage;  // the line under the page's last
constexpr int baseNumero = premiereLigne - ligneNumero * interligne;
// Where the page number's text begins, the same on every page.
constexpr std::string_view debutNumero = "BT\n";
const std::string placeNumero =
    std::to_string(marge) + " " + std::to_string(baseNumero) + " Td\n(page ";
constexpr std::size_t lignesEnteteMax = lignesParPage / 2;
constexpr std::string_view nomNombrePages = "/N";
// What the page count's object draws: the font, its count at the point its page puts it.
const std::string debutTexte = "BT\n/F1 " + std::string(taillePolice) + " Tf\n";
constexpr std::string_view echelleNormaleTexte = "100 Tz\n";
constexpr std::string_view finNombrePages = " Tj\nET\n";

std::size_t longueurNombre(int n) {
    return std::to_string(n).size();
}

struct Document {
    std::streambuf* sortie = nullptr;
    Ecrivain* ecrivain = nullptr;    // sortie, when it can take the buffer rather than a copy
    FileReperes* reperes = nullptr;  // where invoices and the summary begin; null: nowhere
    std::uint64_t position = 0;      // the line being read's first byte, in the text
    std::uint64_t recus = 0;         // the text's bytes read so far
    // The marks taken from reperes, and the text's bytes read when they were: every mark
    // before that position is among them, so that the queue is locked once a read, not a line.
    std::vector<Repere> marques;
    std::size_t suivante = 0;  // the first of them not reached yet
    std::uint64_t connus = 0;
    std::uint64_t prochain = 0;  // no mark to look for before it
    bool echec = false;
    std::vector<char> tampon;  // output not yet handed to sortie, the open page's included,
    std::size_t plein = 0;     // in its first bytes
    std::uint64_t ecrits = 0;  // bytes handed to sortie
    std::vector<std::uint64_t> objets = std::vector<std::uint64_t>(premierObjetPage);
    std::size_t longueur = 0;            // where, in tampon, the open page's length goes
    std::size_t contenu = 0;             // where its content starts
    int lignes = 0;                      // lines placed on it; 0 while no page is open
    int blancs = 0;                      // blank lines read and not placed yet
    long long echelle = echelleNormale;  // the page's current horizontal scaling
    std::vector<std::uint32_t> pages;    // each page's number, for the page tree
    // The outline item last begun: it is written once the next one has its number, as its
    // /Next, or at the end. Items are numbered as their pages are: nothing waits but it.
    int entree = 0;  // its number; 0 before the first
    int page = 0;    // its page's
    std::string titre;
    bool attente = false;  // a mark was reached: the next page opens its entry
    Repere repere;
    // The invoice being drawn: its head's lines as read, the page it is on, the object that
    // holds its page count.
    bool dansFacture = false;
    std::size_t lignesEntete = 0;
    std::string entete;                   // its lines one after the other,
    std::vector<std::size_t> finsEntete;  // each one's end; both keep their room
    int pageFacture = 0;
    int objetNbPages = 0;      // 0 while no page of it has been written without its count
    bool pageOuverte = false;  // a page whose text has ended, its number not yet written
    int premiereEntree = 0;
    int precedente = 0;
    long long nbEntrees = 0;
};

// Hands the output to the stream, as the stream's own writes do: nothing more once a write
// has failed. A writer of ours takes the buffer itself, and gives back one of its own.
void vider(Document& pdf) {
    const auto taille = static_cast<std::streamsize>(pdf.plein);
    if (pdf.ecrivain != nullptr) {
        pdf.ecrivain->confier(pdf.tampon, pdf.plein);
    } else if (!pdf.echec) {
        pdf.echec = pdf.sortie->sputn(pdf.tampon.data(), taille) != taille;
    }
    pdf.ecrits += pdf.plein;
    pdf.plein = 0;
}

// Between objects only: the open page's length is still to be written into the output. A
// megabyte at a time, since each handing over wakes the writer's thread; the buffers traded
// with it grow once, to hold that and the page past it (smaller pieces measured slower).
void viderSiPlein(Document& pdf) {
    if (pdf.plein >= (1u << 20)) vider(pdf);
}

// Room for n more bytes of output; the caller moves plein past what it writes there. The
// buffer only grows: the bytes are written straight into it, with no string in between.
char* place(Document& pdf, std::size_t n) {
    if (pdf.tampon.size() < pdf.plein + n) {
        pdf.tampon.resize(std::max(2 * pdf.tampon.size(), pdf.plein + n));
    }
    return pdf.tampon.data() + pdf.plein;
}

void sortir(Document& pdf, std::string_view texte) {
    std::memcpy(place(pdf, texte.size()), texte.data(), texte.size());
    pdf.plein += texte.size();
}

// valeur in chiffres digits, zeros in front, written over the output from position.
void ecrireChiffres(Document& pdf, std::size_t position, std::uint64_t valeur, int chiffres) {
    for (int i = chiffres - 1; i >= 0; --i, valeur /= 10) {
        pdf.tampon[position + static_cast<std::size_t>(i)] = static_cast<char>('0' + valeur % 10);
    }
}

// avant, a number, then apres, straight into the output: a page takes a few, and a
// temporary string each would cost more than the rest of the object.
void sortirNombre(Document& pdf, std::string_view avant, std::uint64_t nombre,
                  std::string_view apres) {
    constexpr std::size_t chiffres = 20;
    char* const debut = place(pdf, avant.size() + chiffres + apres.size());
    char* p = std::copy(avant.begin(), avant.end(), debut);
    p = std::to_chars(p, p + chiffres, nombre).ptr;
    p = std::copy(apres.begin(), apres.end(), p);
    pdf.plein += static_cast<std::size_t>(p - debut);
}

// A reference to object numero, with avant before it.
void sortirReference(Document& pdf, std::string_view avant, int numero) {
    sortirNombre(pdf, avant, static_cast<std::uint64_t>(numero), " 0 R");
}

void debuterObjet(Document& pdf, int numero) {
    pdf.objets[static_cast<std::size_t>(numero)] = pdf.ecrits + pdf.plein;
    sortirNombre(pdf, "", static_cast<std::uint64_t>(numero), " 0 obj\n");
}

// Whether any of eight bytes is not Simple: below 32, DEL, ( ) or \. Each test works on the
// bytes' low seven bits with the high bit set, so that no byte borrows from the next, and
// leaves a byte's high bit clear where it matches; bytes above 127 are all Simple.
bool contientSpecial(std::uint64_t mot) {
    constexpr std::uint64_t un = 0x0101010101010101;
    constexpr std::uint64_t hauts = 0x8080808080808080;
    const std::uint64_t bas = mot & ~hauts;
    const std::uint64_t controle = (bas | hauts) - 0x20 * un;
    const std::uint64_t parenthese = (((bas ^ (0x28 * un)) & (0x7E * un)) | hauts) - un;
    const std::uint64_t barre = ((bas ^ (0x5C * un)) | hauts) - un;
    const std::uint64_t del = bas + un;  // high bit set only for 127
    return ((~(controle & parenthese & barre) | del) & ~mot & hauts) != 0;
}

// Copies texte to dest eight bytes at a time while none needs an escape, the last word
// overlapping the one before it rather than leave bytes to look at one by one; returns how
// many bytes were copied (all of them, or up to a word holding a byte to escape).
std::size_t copierSimples(char* dest, std::string_view texte) {
    constexpr std::size_t taille = sizeof(std::uint64_t);
    if (texte.size() < taille) return 0;
    std::uint64_t mot = 0;
    std::size_t i = 0;
    for (; i + taille < texte.size(); i += taille) {
        std::memcpy(&mot, texte.data() + i, taille);
        if (contientSpecial(mot)) return i;
        std::memcpy(dest + i, &mot, taille);
    }
    std::memcpy(&mot, texte.data() + texte.size() - taille, taille);
    if (contientSpecial(mot)) return i;
    std::memcpy(dest + texte.size() - taille, &mot, taille);
    return texte.size();
}

// Whether every byte of texte is below 128: eight bytes at a time, then the rest.
bool ascii(std::string_view texte) {
    constexpr std::uint64_t hauts = 0x8080808080808080;
    std::size_t i = 0;
    for (std::uint64_t mot = 0; i + sizeof mot <= texte.size(); i += sizeof mot) {
        std::memcpy(&mot, texte.data() + i, sizeof mot);
        if ((mot & hauts) != 0) return false;
    }
    for (; i < texte.size(); ++i) {
        if (static_cast<unsigned char>(texte[i]) >= 0x80) return false;
    }
    return true;
}

// Writes texte as a PDF string, parentheses included, from dest, which has room for four
// bytes per byte of texte and two; returns the end. Most lines need no escape: they are
// copied as they are checked, eight bytes at a time, in one pass.
char* chaineEn(char* dest, std::string_view texte) {
    *dest++ = '(';
    const std::size_t simples = copierSimples(dest, texte);
    dest += simples;
    for (const char c : texte.substr(simples)) {
        const auto octet = static_cast<unsigned char>(c);
        if (classes[octet] != Simple) *dest++ = '\\';
        if (classes[octet] == Octal) {
            *dest++ = static_cast<char>('0' + (octet >> 6));
            *dest++ = static_cast<char>('0' + ((octet >> 3) & 7));
            *dest++ = static_cast<char>('0' + (octet & 7));
        } else {
            *dest++ = c;
        }
    }
    *dest++ = ')';
    return dest;
}

// A page's content goes straight into the output; its length, known at its end, is written
// then into ten digits left for it (leading zeros are allowed in a PDF number).
void terminerPage(Document& pdf, bool derniere);

void ouvrirPage(Document& pdf) {
    terminerPage(pdf, false);
    const auto numero = static_cast<int>(pdf.objets.size());
    pdf.objets.resize(pdf.objets.size() + 2);
    pdf.pages.push_back(static_cast<std::uint32_t>(numero + 1));
    debuterObjet(pdf, numero);
    sortir(pdf, "<< /Length ");
    pdf.longueur = pdf.plein;
    sortir(pdf, "0000000000 >>\nstream\n");
    pdf.contenu = pdf.plein;
    sortir(pdf, debutPage);
    pdf.echelle = echelleNormale;
    pdf.blancs = 0;
}

// A point position in hundredths, as a PDF number.
void sortirPoints(Document& pdf, long long centiemes, std::string_view apres) {
    sortirNombre(pdf, "", static_cast<std::uint64_t>(centiemes / 100), ".");
    place(pdf, 2);
    ecrireChiffres(pdf, pdf.plein, static_cast<std::uint64_t>(centiemes % 100), 2);
    pdf.plein += 2;
    sortir(pdf, apres);
}

// "page k/" under the page's last line, then the invoice's page count: when the invoice ends
// on this page, its digits; otherwise the object that holds them, written at its end.
void sortirNumero(Document& pdf, bool derniere) {
    constexpr std::string_view motPage = "page ";
    constexpr std::uint64_t base = baseNumero;
    // The font stays from the page's text; its scaling only when a wide line changed it.
    sortir(pdf, debutNumero);
    if (pdf.echelle != echelleNormale) sortir(pdf, echelleNormaleTexte);
    sortirNombre(pdf, placeNumero, static_cast<std::uint64_t>(pdf.pageFacture), "/");
    if (derniere) {
        sortirNombre(pdf, "", static_cast<std::uint64_t>(pdf.pageFacture), ") Tj\nET\n");
        return;
    }
    sortir(pdf, ") Tj\nET\n");
    if (pdf.objetNbPages == 0) {
        pdf.objetNbPages = static_cast<int>(pdf.objets.size());
        pdf.objets.resize(pdf.objets.size() + 1);
    }
    const auto colonnes = motPage.size() + 1 + longueurNombre(pdf.pageFacture);
    sortir(pdf, "q 1 0 0 1 ");
    sortirPoints(pdf, marge * 100LL + largeurColonne * static_cast<long long>(colonnes), " ");
    sortirNombre(pdf, "", base, " cm ");
    sortir(pdf, nomNombrePages);
    sortir(pdf, " Do Q\n");
}

// Ends the page's text. An invoice's page is left open for its number until the next line or
// mark tells whether the invoice goes on.
void fermerPage(Document& pdf) {
    pdf.blancs = 0;
    if (pdf.lignes == 0) return;
    sortir(pdf, "ET\n");
    pdf.lignes = 0;
    pdf.pageOuverte = true;
    if (!pdf.dansFacture) terminerPage(pdf, false);
}

// Writes the closed page's number (derniere: its invoice ends on it), then its length and the
// page itself.
void terminerPage(Document& pdf, bool derniere) {
    if (!pdf.pageOuverte) return;
    pdf.pageOuverte = false;
    const bool avecNombre = pdf.dansFacture && !derniere;
    if (pdf.dansFacture) sortirNumero(pdf, derniere);
    ecrireChiffres(pdf, pdf.longueur, pdf.plein - pdf.contenu, 10);
    sortir(pdf, "endstream\nendobj\n");
    const auto numero = static_cast<int>(pdf.pages.back());
    debuterObjet(pdf, numero);
    sortir(pdf, "<< /Type /Page /Parent 2 0 R ");
    if (avecNombre) {
        sortir(pdf, "/Resources << /Font << /F1 3 0 R >> /XObject << ");
        sortir(pdf, nomNombrePages);
        sortirReference(pdf, " ", pdf.objetNbPages);
        sortir(pdf, " >> >> ");
    }
    sortirReference(pdf, "/Contents ", numero - 1);
    sortir(pdf, " >>\nendobj\n");
    viderSiPlein(pdf);
}

// At an invoice's end its page count is known: its last page says it, and the object its
// pages before drew it from is written, if they did.
void finirFacture(Document& pdf) {
    terminerPage(pdf, true);
    if (!pdf.dansFacture) return;
    pdf.dansFacture = false;
    if (pdf.objetNbPages == 0) return;
    const auto nbPages = static_cast<std::uint64_t>(pdf.pageFacture);
    const std::size_t longueur = debutTexte.size() + echelleNormaleTexte.size() +
                                 finNombrePages.size() + 2 + longueurNombre(pdf.pageFacture);
    debuterObjet(pdf, pdf.objetNbPages);
    sortirNombre(pdf,
                 "<< /Type /XObject /Subtype /Form /BBox [0 -3 200 10] /Resources << /Font "
                 "<< /F1 3 0 R >> >> /Length ",
                 longueur, " >>\nstream\n");
    sortir(pdf, debutTexte);
    sortir(pdf, echelleNormaleTexte);
    sortirNombre(pdf, "(", nbPages, ")");
    sortir(pdf, finNombrePages);
    sortir(pdf, "endstream\nendobj\n");
    pdf.objetNbPages = 0;
    viderSiPlein(pdf);
}

// A title in a PDF text string: plain ASCII as it is, anything else in UTF-16, so that every
// viewer shows the names as the page does.
void sortirTitre(Document& pdf, std::string_view titre) {
    if (!ascii(titre)) {
        sortir(pdf, titreUtf16(titre));
        return;
    }
    char* const debut = place(pdf, 4 * titre.size() + 2);
    pdf.plein += static_cast<std::size_t>(chaineEn(debut, titre) - debut);
}

// Writes the outline item last begun, if any, before the item numbered suivante (0: none).
void ecrireEntree(Document& pdf, int suivante) {
    if (pdf.entree == 0) return;
    debuterObjet(pdf, pdf.entree);
    sortir(pdf, "<< /Title ");
    sortirTitre(pdf, pdf.titre);
    sortirReference(pdf, " /Parent ", objetPlan);
    if (pdf.precedente != 0) sortirReference(pdf, " /Prev ", pdf.precedente);
    if (suivante != 0) sortirReference(pdf, " /Next ", suivante);
    sortirReference(pdf, " /Dest [", pdf.page);
    sortir(pdf, " /Fit] >>\nendobj\n");
    pdf.precedente = pdf.entree;
    viderSiPlein(pdf);
}

// Draws one line on the open page: a blank line only counted, until text follows it. Inline:
// every line of the text comes this way, and a call each costs the drawing a few per cent.
inline void dessinerLigne(Document& pdf, std::string_view ligne) {
    if (ligne.empty()) {
        ++pdf.blancs;
        return;
    }
    for (; pdf.blancs > 0; --pdf.blancs, ++pdf.lignes) sortir(pdf, "T*\n");
    const long long e = echelle(ligne.size());
    if (e != pdf.echelle) {  // written as a percentage
        sortirNombre(pdf, "", static_cast<std::uint64_t>(e / parPourcent), ".");
        place(pdf, decimalesEchelle);
        ecrireChiffres(pdf, pdf.plein, static_cast<std::uint64_t>(e % parPourcent),
                       decimalesEchelle);
        pdf.plein += decimalesEchelle;
        sortir(pdf, " Tz\n");
        pdf.echelle = e;
    }
    char* const debut = place(pdf, 4 * ligne.size() + 4);
    char* fin = chaineEn(debut, ligne);
    *fin++ = '\'';
    *fin++ = '\n';
    pdf.plein += static_cast<std::size_t>(fin - debut);
    ++pdf.lignes;
}

// A page opened on a mark begins an outline item, numbered after the page's two objects, and
// an invoice's its numbering; a further page of an invoice opens on its head.
void ouvrirPageEtEntree(Document& pdf) {
    if (!pdf.attente) {
        ouvrirPage(pdf);
        if (pdf.dansFacture && ++pdf.pageFacture > 1) {
            std::size_t debut = 0;
            for (const std::size_t fin : pdf.finsEntete) {
                dessinerLigne(pdf, std::string_view(pdf.entete).substr(debut, fin - debut));
                debut = fin;
            }
        }
        return;
    }
    pdf.attente = false;
    const auto numero = static_cast<int>(pdf.objets.size()) + 2;
    ecrireEntree(pdf, numero);
    ouvrirPage(pdf);
    pdf.objets.resize(pdf.objets.size() + 1);
    pdf.entree = numero;
    pdf.page = numero - 1;
    titreDe(pdf.repere, pdf.titre);
    if (pdf.premiereEntree == 0) pdf.premiereEntree = numero;
    ++pdf.nbEntrees;
    if (pdf.repere.facture) {
        pdf.dansFacture = true;
        pdf.lignesEntete = std::min(pdf.repere.lignesEntete, lignesEnteteMax);
        pdf.entete.clear();
        pdf.finsEntete.clear();
        pdf.pageFacture = 1;
        pdf.objetNbPages = 0;  // made when a page ends before the invoice does
    }
}

// Where the text reaches a mark, the invoice before it ends, and so does its page.
// A mark taken back after it was taken is followed by the one given in its place: the last
// of the marks at a position is the one that counts.
void atteindreReperes(Document& pdf) {
    std::vector<Repere>& marques = pdf.marques;
    // Those reached among the marks held; then, when none is left ahead and the text has
    // gone past the bytes read when they were taken, those given since.
    for (int fois = 0; fois < 2; ++fois) {
        for (; pdf.suivante < marques.size() && marques[pdf.suivante].position <= pdf.position;
             ++pdf.suivante) {
            pdf.repere = std::move(marques[pdf.suivante]);
            fermerPage(pdf);
            finirFacture(pdf);
            pdf.attente = true;
        }
        if (fois > 0 || pdf.suivante < marques.size() || pdf.position < pdf.connus) break;
        pdf.connus = pdf.recus;
        pdf.reperes->prendreTout(marques);
        pdf.suivante = 0;
    }
    pdf.prochain = pdf.suivante == marques.size() ? pdf.connus : marques[pdf.suivante].position;
}

// Nearly every line is before the next mark, and before the text's end as it was read.
inline void prendreReperes(Document& pdf) {
    if (pdf.position >= pdf.prochain) atteindreReperes(pdf);
}

// A line with text goes after the blank lines before it, or opens a new page when it no
// longer fits; an invoice's first lines are kept as its head.
void placerLigne(Document& pdf, std::string_view ligne) {
    if (!ligne.empty()) {
        if (pdf.lignes + pdf.blancs >= lignesParPage) fermerPage(pdf);
        if (pdf.lignes == 0) ouvrirPageEtEntree(pdf);
    }
    if (pdf.dansFacture && pdf.finsEntete.size() < pdf.lignesEntete) {
        pdf.entete.append(ligne);
        pdf.finsEntete.push_back(pdf.entete.size());
    }
    dessinerLigne(pdf, ligne);
}

// One line of the text, without its line end (a CR before the LF belongs to the line end):
// a form feed in it ends the page, the text after it goes on the next one. sansSaut: the
// caller knows it holds none.
void lireLigne(Document& pdf, std::string_view ligne, bool finDeLigne, bool sansSaut = false) {
    prendreReperes(pdf);
    if (finDeLigne && !ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    for (std::size_t saut = sansSaut ? std::string_view::npos : ligne.find('\f');
         saut != std::string_view::npos; saut = ligne.find('\f')) {
        if (saut > 0) placerLigne(pdf, ligne.substr(0, saut));
        fermerPage(pdf);
        ligne.remove_prefix(saut + 1);
        pdf.position += saut + 1;
        prendreReperes(pdf);
    }
    if (finDeLigne || !ligne.empty()) placerLigne(pdf, ligne);
}

// Where the first form feed from debut is, before fin; fin when there is none.
std::size_t prochainSaut(const std::vector<char>& lu, std::size_t debut, std::size_t fin) {
    const void* const saut = std::memchr(lu.data() + debut, '\f', fin - debut);
    return saut == nullptr ? fin
                           : static_cast<std::size_t>(static_cast<const char*>(saut) - lu.data());
}

// Hands every line of texte to lireLigne. A line that runs past the bytes read is moved to
// the front of the buffer, which grows when one line fills it. The next form feed is looked
// for once, not in every line: there is one an invoice. Returns the bytes read.
std::uint64_t lireTexte(Document& pdf, std::streambuf& texte, std::uint64_t taille,
                        std::size_t tailleLecture) {
    std::vector<char> lu(std::max<std::size_t>(tailleLecture, 1));
    std::size_t debut = 0;
    std::size_t fin = 0;
    std::uint64_t reste = taille;
    std::uint64_t lus = 0;  // the bytes before the buffer's first
    for (;;) {
        const auto demande =
            static_cast<std::streamsize>(std::min<std::uint64_t>(reste, lu.size() - fin));
        const std::streamsize n = demande > 0 ? texte.sgetn(lu.data() + fin, demande) : 0;
        if (n <= 0) break;
        fin += static_cast<std::size_t>(n);
        reste -= static_cast<std::uint64_t>(n);
        pdf.recus += static_cast<std::uint64_t>(n);
        std::size_t saut = prochainSaut(lu, debut, fin);
        for (;;) {
            const auto* const ligne = lu.data() + debut;
            const auto* const finLigne =
                static_cast<const char*>(std::memchr(ligne, '\n', fin - debut));
            if (finLigne == nullptr) break;
            if (saut < debut) saut = prochainSaut(lu, debut, fin);
            const auto longueur = static_cast<std::size_t>(finLigne - ligne);
            pdf.position = lus + debut;
            lireLigne(pdf, std::string_view(ligne, longueur), true, saut > debut + longueur);
            debut += longueur + 1;
        }
        if (debut == 0 && fin == lu.size()) lu.resize(2 * lu.size());
        std::memmove(lu.data(), lu.data() + debut, fin - debut);
        lus += debut;
        fin -= debut;
        debut = 0;
    }
    pdf.position = lus;
    lireLigne(pdf, std::string_view(lu.data() + debut, fin - debut), false);
    return taille - reste;
}

}  // namespace

std::uint64_t ecrireFacturesPdf(std::ostream& flux, std::streambuf& texte, std::uint64_t taille,
                                const std::string& titre, FileReperes* reperes,
                                std::size_t tailleLecture) {
    Document pdf;
    pdf.sortie = flux.rdbuf();
    pdf.ecrivain = dynamic_cast<Ecrivain*>(pdf.sortie);
    pdf.reperes = reperes;
    if (reperes == nullptr) pdf.prochain = static_cast<std::uint64_t>(-1);
    // The second line's bytes above 127 mark the file as binary for the programs that look.
    sortir(pdf, "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    debuterObjet(pdf, objetCatalogue);
    sortir(pdf, "<< /Type /Catalog /Pages 2 0 R /Outlines " + std::to_string(objetPlan) +
                    " 0 R /PageMode /UseOutlines >>\nendobj\n");
    debuterObjet(pdf, objetPolice);
    sortir(pdf,
           "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>\n"
           "endobj\n");

    const std::uint64_t lus = lireTexte(pdf, texte, taille, tailleLecture);
    fermerPage(pdf);
    finirFacture(pdf);

    ecrireEntree(pdf, 0);
    debuterObjet(pdf, objetPlan);
    sortir(pdf, "<< /Type /Outlines");
    if (pdf.nbEntrees > 0) {
        sortirReference(pdf, " /First ", pdf.premiereEntree);
        sortirReference(pdf, " /Last ", pdf.entree);
    }
    sortirNombre(pdf, " /Count ", static_cast<std::uint64_t>(pdf.nbEntrees), " >>\nendobj\n");
    const std::size_t nbPages = pdf.pages.size();
    debuterObjet(pdf, objetPages);
    sortir(pdf, "<< /Type /Pages /Resources << /Font << /F1 3 0 R >> >> /MediaBox [0 0 " +
                    std::to_string(largeurPage) + " " + std::to_string(hauteurPage) + "] /Count " +
                    std::to_string(nbPages) + " /Kids [");
    for (const std::uint32_t page : pdf.pages) sortirReference(pdf, " ", static_cast<int>(page));
    sortir(pdf, " ] >>\nendobj\n");
    debuterObjet(pdf, objetInfo);
    // The document's title is a text string like the outline's: a date word of the store's
    // accented bytes shows as the pages show it.
    sortir(pdf, "<< /Title ");
    sortirTitre(pdf, titre);
    sortir(pdf, " /Producer ");
    sortirTitre(pdf, "facturation " FACTURATION_VERSION);
    sortir(pdf, " >>\nendobj\n");

    const std::uint64_t xref = pdf.ecrits + pdf.plein;
    sortir(pdf, "xref\n0 " + std::to_string(pdf.objets.size()) + "\n0000000000 65535 f \n");
    for (std::size_t i = 1; i < pdf.objets.size(); ++i) {
        sortir(pdf, "0000000000 00000 n \n");
        ecrireChiffres(pdf, pdf.plein - 20, pdf.objets[i], 10);
        viderSiPlein(pdf);
    }
    sortir(pdf, "trailer\n<< /Size " + std::to_string(pdf.objets.size()) +
                    " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) +
                    "\n%%EOF\n");
    vider(pdf);
    if (pdf.echec) flux.setstate(std::ios_base::badbit);
    return lus;
}
