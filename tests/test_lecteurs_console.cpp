// The console readers, with standard input a pipe as when a script drives them, and the
// file-field readers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <sstream>

#include "util/dialogue.hpp"
#include "util/lecteurs_console.hpp"

namespace {

// Standard input becomes a pipe holding donnees; the console buffer is emptied first.
void fournir(const std::string& donnees) {
    brancherConsole();
    while (std::cin.rdbuf()->in_avail() > 0) std::cin.rdbuf()->sbumpc();
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ASSERT_EQ(::write(tube[1], donnees.data(), donnees.size()), ssize_t(donnees.size()));
    ::close(tube[1]);
    ::dup2(tube[0], 0);
    ::close(tube[0]);
    std::cin.clear();
}

}  // namespace

TEST(LecteursConsole, lecteursDeLaConsole) {
    std::ostringstream console;
    std::streambuf* const ancien = std::cout.rdbuf(console.rdbuf());
    fournir("lettres\n2.5\n3.5kg\nsept\n7\n0\n-1\n0.01\n0\n1\n\n a \n");
    EXPECT_FLOAT_EQ(lireReel("P"), 2.5f);
    EXPECT_FLOAT_EQ(lireReel("P"), 3.5f);
    EXPECT_EQ(lireEntier("E"), 7);  // "kg" went with its line
    EXPECT_FLOAT_EQ(lireReelPositif("R"), 0.01f);
    EXPECT_EQ(lireEntierPositif("E"), 1);
    EXPECT_EQ(lireTexte("T"), " a ");
    fournir("\n");  // on a pipe each clearing drops a line: one pipe per line-taking reader
    EXPECT_EQ(lireCaractere("C"), '\n');
    fournir("x\nou\n");
    EXPECT_EQ(lireChoix("Choix", "ON"), 'o');
    EXPECT_FALSE(caractereDansListe('\xE9', "\xC9"));  // only a-z change case
    fournir("");  // at the end of input every reader returns at once
    EXPECT_EQ(lireReelPositif("P"), 0.0f);
    EXPECT_EQ(lireEntierPositif("E"), 0);
    EXPECT_EQ(lireTexte("T"), "");
    EXPECT_EQ(lireChoix("C", "ON"), '\0');
    effacerEcran();
    std::cout.rdbuf(ancien);
    const std::string message = " vous devez entrer une valeur positive et non nulle ";
    EXPECT_EQ(console.str(), "P\nP\nP\nE\nE\nR\n" + message + "R\n" + message +
                                 "R\nE\nE\n\nT\n\nT\n" + "C\nChoix\nChoix\nP\nE\n\nT\nC\n" +
                                 std::string(25, '\n'));
}

TEST(LecteursConsole, lireChamp) {
    std::istringstream flux("  deux 42 3.5x");
    std::string mot;
    int entier = 0;
    float reel = 0.0f;
    char c = 0;
    EXPECT_TRUE(lireChamp(flux, mot) && lireChamp(flux, c) && lireChamp(flux, entier) &&
                lireChamp(flux, reel));
    EXPECT_EQ(mot + c + std::to_string(entier + reel), "deux 45.500000");  // c: the blank
    EXPECT_FALSE(lireChamp(flux, entier) || lireChamp(flux, c));  // "x" fails, and that stays
}
