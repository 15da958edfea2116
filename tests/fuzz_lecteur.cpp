// Fuzz target: the sales-file reader against stream extraction on the same bytes, through
// windows of every size from one byte up. The first bytes choose the fields to read (word,
// int, float, char, white space), the rest is the text; any difference in a value, a
// failure, the end of the data or the line traps.
#include <cctype>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "ventes/lecteur.hpp"

namespace {

void verifier(bool condition) {
    if (!condition) __builtin_trap();
}

// The line of the stream's position, counted as the warnings count it.
long long ligneFlux(std::istream& flux, const std::string& texte) {
    const auto position = flux.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    long long ligne = 1;
    long long donnee = 1;
    for (std::streamoff i = 0; i < std::streamoff(position); ++i) {
        if (texte[std::size_t(i)] == '\n') ++ligne;
        if (std::isspace(static_cast<unsigned char>(texte[std::size_t(i)])) == 0) donnee = ligne;
    }
    return flux.eof() ? donnee : ligne;
}

// The reader of one window size against the stream, field by field.
void comparer(const std::uint8_t* choix, std::size_t nbChoix, const std::string& texte,
              std::size_t fenetre) {
    std::istringstream flux(texte);
    std::istringstream copie(texte);
    Lecteur lecteur = ouvrirLecteur(*copie.rdbuf(), fenetre);
    for (std::size_t i = 0; i < 4 * texte.size() + 8; ++i) {  // on past a failure too
        const int operation = nbChoix == 0 ? int(i % 5) : choix[i % nbChoix] % 5;
        std::string mot = "avant", motLu = "avant";
        int entier = 0, entierLu = 0;
        float reel = 0.0f, reelLu = 0.0f;
        char c = 0, cLu = 0;
        bool lu = false;
        Mot vu;
        // A mark now and then: the words read since stay in the window across refills.
        if (i % 3 == 0) marquer(lecteur);
        switch (operation) {
            case 0:
                lu = extraireMot(lecteur, vu) == !(flux >> mot).fail();
                if (!lecteur.echec) motLu = ::texte(lecteur, vu);
                break;
            case 1:
                lu = extraireEntier(lecteur, entierLu) == !(flux >> entier).fail();
                break;
            case 2:
                lu = extraireReel(lecteur, reelLu) == !(flux >> reel).fail();
                break;
            case 3:
                lu = extraireCaractere(lecteur, cLu) == !(flux >> c).fail();
                break;
            default:
                sauterBlancs(lecteur);
                lu = lecteur.echec == (flux >> std::ws).fail();
        }
        verifier(lu && flux.fail() == lecteur.echec);
        verifier(flux.eof() == lecteur.finAtteinte && mot == motLu);
        verifier(flux.fail() || (entier == entierLu && c == cLu &&
                                 std::memcmp(&reel, &reelLu, sizeof reel) == 0));
        verifier(ligneFlux(flux, texte) ==
                 (lecteur.finAtteinte ? lecteur.ligneDonnee : lecteur.ligne));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::size_t nbChoix = taille < 4 ? taille : 4;
    const std::string texte(reinterpret_cast<const char*>(donnees) + nbChoix, taille - nbChoix);
    // Windows of a few bytes put fields across every kind of refill.
    for (const std::size_t fenetre :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, tailleFenetre}) {
        comparer(donnees, nbChoix, texte, fenetre);
    }
    return 0;
}
