// The two-buffer writer with buffers of a few bytes, so that almost every write hands one
// over: the file holds the bytes in their order, whichever way they came; onto a full
// device, closing says that a write failed.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "util/ecrivain.hpp"

TEST(Ecrivain, petitsTamponsDansLOrdre) {
    std::string attendu;
    for (int i = 0; i < 2000; ++i) attendu += std::to_string(i) + (i % 7 == 0 ? "\n" : " ");
    attendu.resize(attendu.size() / 10 * 10);
    const std::string nom = ::testing::TempDir() + "ecrivain.txt";
    for (const std::size_t taille : {1, 2, 7, 64}) {
        TamponEcrivain tampon(taille);
        ASSERT_TRUE(tampon.ouvrir(nom));
        std::ostream flux(&tampon);
        for (std::size_t i = 0; i < attendu.size(); i += 10) {
            flux << attendu.substr(i, 5);                               // a block, then
            for (const char c : attendu.substr(i + 5, 5)) flux.put(c);  // byte by byte
        }
        EXPECT_TRUE(tampon.fermer());
        std::ifstream lu(nom, std::ios_base::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lu), {}), attendu) << taille;
    }
    std::remove(nom.c_str());
    TamponEcrivain plein(16);
    ASSERT_TRUE(plein.ouvrir("/dev/full"));
    std::ostream(&plein) << attendu;
    EXPECT_FALSE(plein.fermer());
}
