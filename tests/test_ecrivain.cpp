// The two-buffer writer with buffers of a few bytes, so that almost every write hands one
// over: the file holds the bytes in their order, whichever way they came (copied, or handed
// over as a buffer); an invoice taken back goes, from the buffers or from the file, and never
// reaches the reader of what is there for good, even after a failed write; onto a full
// device, closing says that a write failed. The prefixed stream of standard error writes
// each line at once. The sink that keeps nothing counts what it is given, and an invoice
// taken back goes back in its count.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "util/ecrivain.hpp"
#include "util/ecrivain_facture.hpp"
#include "util/evier.hpp"
#include "util/prefixe.hpp"

namespace {

std::string lire(const std::string& nom) {
    std::ifstream lu(nom, std::ios_base::binary);
    return std::string(std::istreambuf_iterator<char>(lu), {});
}

// What a reader on another thread is given, in pieces of seven bytes.
struct Lecteur {
    CanalTexte canal{16};
    std::string lu;
    std::thread fil;
    Lecteur() {
        canal.lire();
        fil = std::thread([this] {
            char morceau[7];
            for (std::streamsize n; (n = canal.sgetn(morceau, sizeof morceau)) > 0;)
                lu.append(morceau, n);
        });
    }
    std::string fin() {
        canal.finir("");
        fil.join();
        return lu;
    }
};

}  // namespace

TEST(Ecrivain, petitsTamponsDansLOrdre) {
    std::string attendu;
    for (int i = 0; i < 2000; ++i) attendu += std::to_string(i) + (i % 7 == 0 ? "\n" : " ");
    attendu.resize(attendu.size() / 15 * 15);
    const std::string nom = ::testing::TempDir() + "ecrivain.txt";
    for (const std::size_t taille : {1, 2, 7, 64}) {
        Ecrivain tampon(taille);
        ASSERT_TRUE(tampon.ouvrir(nom));
        std::ostream flux(&tampon);
        std::vector<char> confie;
        for (std::size_t i = 0; i < attendu.size(); i += 15) {
            flux << attendu.substr(i, 5);                               // a block, then
            for (const char c : attendu.substr(i + 5, 5)) flux.put(c);  // byte by byte, then
            // handed over, and what follows the count not written
            const std::string confiee = attendu.substr(i + 10, 5);
            confie.assign(confiee.begin(), confiee.end());
            confie.push_back('#');
            tampon.confier(confie, 5);
        }
        EXPECT_TRUE(tampon.fermer());
        EXPECT_EQ(lire(nom), attendu) << taille;
    }
    std::remove(nom.c_str());
    Ecrivain plein(16);
    ASSERT_TRUE(plein.ouvrir("/dev/full"));
    std::ostream(&plein) << attendu;
    EXPECT_FALSE(plein.fermer());
}

// A ring of 13 bytes given pieces of 1 to 17 bytes and read in pieces of 1 to 11: the text
// wraps at every place of the ring, and comes out whole, in its order.
TEST(CanalTexte, anneauToursInegaux) {
    std::string attendu;
    for (int i = 0; attendu.size() < 5000; ++i) attendu += std::to_string(i) + ";";
    CanalTexte canal(13);
    canal.lire();
    std::string lu;
    std::thread lecteur([&] {
        char morceau[11];
        for (std::streamsize n = 1;
             (n = canal.sgetn(morceau, static_cast<std::streamsize>(1 + lu.size() % 11))) > 0;)
            lu.append(morceau, static_cast<std::size_t>(n));
    });
    for (std::size_t i = 0, part = 1; i < attendu.size(); i += part, part = 1 + i % 17) {
        canal.donner(attendu.data() + i, std::min(part, attendu.size() - i));
    }
    canal.finir("titre");
    lecteur.join();
    EXPECT_EQ(lu, attendu);
    EXPECT_EQ(canal.donnes(), attendu.size());
}

// What follows the mark is taken back whether it is still in the buffer, handed over, or
// written: the file is cut back there, once or twice in a file, and then goes on; the reader
// is given exactly the file.
TEST(Ecrivain, repriseALaMarque) {
    const std::string nom = ::testing::TempDir() + "reprise.txt";
    const std::string debordement = ::testing::TempDir() + "reprise-debordement";
    for (const std::size_t taille : {1, 3, 16, 4096}) {
        for (const std::size_t repris : {0, 2, 15, 100}) {
            // What waits for the reader in memory, then past a few bytes in a file.
            for (const std::size_t seuil :
                 {std::size_t{1} << 22, std::size_t{0}, std::size_t{5}}) {
                Lecteur lecteur;
                EcrivainFacture tampon(taille, seuil);
                // With seuil 0 and no file named, everything waits in memory.
                ASSERT_TRUE(tampon.ouvrir(nom, &lecteur.canal, false,
                                          seuil == 0 && taille == 3 ? "" : debordement));
                std::ostream flux(&tampon);
                for (const char* garde : {"debut\n", "milieu\n"}) {
                    flux << garde;
                    const std::ostream::pos_type marque = flux.tellp();
                    flux << std::string(repris, 'x');
                    EXPECT_TRUE(flux.seekp(marque)) << taille << " " << repris;
                }
                flux.seekp(0);  // not the mark: refused, as any other move
                flux.clear();
                flux.seekp(1, std::ios_base::cur);
                flux.clear();
                EXPECT_EQ(tampon.pubseekpos(flux.tellp(), std::ios_base::in), -1);
                EXPECT_EQ(tampon.pubseekoff(0, std::ios_base::beg, std::ios_base::out), -1);
                EXPECT_EQ(tampon.pubseekoff(0, std::ios_base::cur, std::ios_base::in), -1);
                flux << "fin";
                EXPECT_TRUE(tampon.fermer());
                EXPECT_TRUE(tampon.fermer());  // closed already: nothing to do, no mark
                EXPECT_EQ(tampon.pubseekoff(0, std::ios_base::cur, std::ios_base::out), -1);
                EXPECT_EQ(tampon.pubseekpos(0, std::ios_base::out), -1);
                EXPECT_EQ(lire(nom), "debut\nmilieu\nfin") << taille << " " << repris;
                EXPECT_EQ(lecteur.fin(), "debut\nmilieu\nfin")
                    << taille << " " << repris << " " << seuil;
                EXPECT_FALSE(std::ifstream(debordement).good());  // removed once closed
            }
        }
    }
    std::remove(nom.c_str());
}

// A write that fails (a file size limit) after the mark: the take-back still cuts the file
// there, and closing says that a write failed.
TEST(Ecrivain, repriseApresEchec) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{64, 64};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const std::string nom = ::testing::TempDir() + "reprise-echec.txt";
    Lecteur lecteur;
    EcrivainFacture tampon(8);
    ASSERT_TRUE(tampon.ouvrir(nom, &lecteur.canal));
    std::ostream flux(&tampon);
    flux << "debut\n";
    const std::ostream::pos_type marque = flux.tellp();
    flux << std::string(200, 'x');
    flux.seekp(marque);
    flux << "fin";
    EXPECT_FALSE(tampon.fermer());
    EXPECT_EQ(lire(nom), "debut\n");
    EXPECT_EQ(lecteur.fin().substr(0, 6), "debut\n");
    std::remove(nom.c_str());
}

TEST(Prefixe, uneEcritureParLigne) {
    struct Compte : std::stringbuf {
        int ecritures = 0;
        std::streamsize xsputn(const char* texte, std::streamsize n) override {
            ++ecritures;
            return std::stringbuf::xsputn(texte, n);
        }
    } cible;
    {
        TamponPrefixe prefixe(cible, "facturation: ");
        std::ostream(&prefixe) << "ligne " << 1 << '\n' << "ligne " << 2 << std::endl << "fin";
        EXPECT_EQ(cible.ecritures, 2);
    }
    EXPECT_EQ(cible.str(), "facturation: ligne 1\nfacturation: ligne 2\nfacturation: fin");
}

using traits = std::char_traits<char>;

TEST(Evier, compteEtReprend) {
    Evier messages(true);
    std::ostream flux(&messages);
    flux << "une ligne\n" << 'x' << '\n' << std::flush;
    EXPECT_EQ(messages.lignes(), 2u);
    EXPECT_EQ(flux.tellp(), std::streampos(12));
    flux.seekp(4);  // an invoice taken back
    EXPECT_EQ(flux.tellp(), std::streampos(4));
    flux.seekp(13);  // beyond what was given: refused
    EXPECT_TRUE(flux.fail());
    Evier texte;
    std::ostream facture(&texte);
    facture << "a\nb\n";
    EXPECT_EQ(texte.lignes(), 0u);  // a text that is only dropped is not looked at
    struct EvierOuvert : Evier {
        using Evier::overflow;
    } vide;
    EXPECT_FALSE(traits::eq_int_type(vide.overflow(traits::eof()), traits::eof()));
}
