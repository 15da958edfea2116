// The utility module: opening input files, the field readers, and the console readers fed
// through a pipe on standard input, as they are when the program is driven by a script.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>

#include "session.hpp"
#include "utilitaires.hpp"

namespace {

// Captures standard output for the lifetime of the object.
struct CaptureConsole {
    CaptureConsole() : ancien(std::cout.rdbuf(texte.rdbuf())) {}
    ~CaptureConsole() { std::cout.rdbuf(ancien); }
    std::ostringstream texte;
    std::streambuf* ancien;
};

// Standard input becomes a pipe holding `donnees`, closed after them; whatever the program's
// console buffer still holds from an earlier case is read to its end first.
void fournir(const std::string& donnees) {
    brancherConsole();
    std::cin.clear();
    std::cin.ignore(std::numeric_limits<std::streamsize>::max());
    std::cin.clear();
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ASSERT_EQ(::write(tube[1], donnees.data(), donnees.size()),
              static_cast<ssize_t>(donnees.size()));
    ::close(tube[1]);
    ::dup2(tube[0], 0);
    ::close(tube[0]);
}

}  // namespace

TEST(OuvrirFichierEntree, videBlancAbsentSurLeMemeFlux) {
    Dossier dossier;
    dossier.ecrire("zero.txt", "");
    dossier.ecrire("blanc.txt", "  \n");
    dossier.ecrire("plein.txt", "x");
    std::filesystem::create_directory(std::filesystem::path(dossier.chemin) / "rep.txt");
    const auto nom = [&](const char* fichier) { return dossier.chemin + "/" + fichier; };

    std::ifstream flux;
    CaptureConsole capture;
    EXPECT_FALSE(ouvrirFichierEntree(flux, nom("zero.txt")));
    EXPECT_FALSE(flux.is_open());
    EXPECT_TRUE(ouvrirFichierEntree(flux, nom("plein.txt")));
    EXPECT_TRUE(flux.good());
    EXPECT_EQ(flux.get(), 'x');
    flux.close();
    EXPECT_FALSE(ouvrirFichierEntree(flux, nom("manque.txt")));
    EXPECT_FALSE(flux.is_open());
    EXPECT_TRUE(ouvrirFichierEntree(flux, nom("blanc.txt")));
    EXPECT_TRUE(flux.good());
    EXPECT_EQ(flux.peek(), ' ');
    flux.close();
    EXPECT_FALSE(ouvrirFichierEntree(flux, nom("rep.txt")));
    EXPECT_FALSE(flux.is_open());
    EXPECT_EQ(capture.texte.str(), "le fichier \"" + nom("zero.txt") + "\" est vide\n" +
                                       "le fichier \"" + nom("manque.txt") + "\" est absent\n" +
                                       "le fichier \"" + nom("rep.txt") + "\" est absent\n");
}

TEST(FluxVide, neConsommeRien) {
    std::istringstream flux("a");
    EXPECT_FALSE(fluxVide(flux));
    EXPECT_EQ(flux.get(), 'a');
    EXPECT_TRUE(fluxVide(flux));
    EXPECT_TRUE(flux.eof());
    std::istringstream echoue("5");
    echoue.setstate(std::ios_base::failbit);
    EXPECT_TRUE(fluxVide(echoue));
}

TEST(CaractereDansListe, sansEgardALaCasse) {
    EXPECT_TRUE(caractereDansListe('b', "ABC"));
    EXPECT_TRUE(caractereDansListe('B', "abc"));
    EXPECT_FALSE(caractereDansListe('d', "abc"));
    EXPECT_FALSE(caractereDansListe('a', ""));
    // Only a-z change case: 0xE9 and 0xC9 are different characters.
    EXPECT_FALSE(caractereDansListe('\xE9', "\xC9"));
    EXPECT_TRUE(caractereDansListe('\xE9', "\xE9"));
    EXPECT_FALSE(caractereDansListe('{', "["));
}

TEST(LireChamp, unChampParAppel) {
    std::istringstream flux("  deux mots 42 3.5x");
    std::string mot;
    int entier = 0;
    float reel = 0.0f;
    char c = 0;
    EXPECT_TRUE(lireChamp(flux, mot));
    EXPECT_EQ(mot, "deux");
    EXPECT_TRUE(lireChamp(flux, c));
    EXPECT_EQ(c, ' ');
    EXPECT_TRUE(lireChamp(flux, mot));
    EXPECT_TRUE(lireChamp(flux, entier));
    EXPECT_EQ(entier, 42);
    EXPECT_TRUE(lireChamp(flux, reel));
    EXPECT_FLOAT_EQ(reel, 3.5f);
    EXPECT_FALSE(lireChamp(flux, entier));
    EXPECT_FALSE(lireChamp(flux, mot));  // the failure stays
    flux.clear();
    EXPECT_TRUE(lireChamp(flux, c));
    EXPECT_EQ(c, 'x');
    EXPECT_FALSE(lireChamp(flux, mot));
}

TEST(ConsoleParTube, lecteurs) {
    const std::string message = " vous devez entrer une valeur positive et non nulle ";
    CaptureConsole capture;
    fournir("lettres\n2.5\n");
    EXPECT_FLOAT_EQ(lireReel("P"), 2.5f);
    fournir("3.5kg\n7\n");
    EXPECT_FLOAT_EQ(lireReel("P"), 3.5f);
    EXPECT_EQ(lireEntier("E"), 7);  // "kg" went with its line
    fournir("0\n-1\n0.01\n");
    EXPECT_FLOAT_EQ(lireReelPositif("R"), 0.01f);
    fournir("0\n1\n");
    EXPECT_EQ(lireEntierPositif("E"), 1);
    fournir("\n a \n");
    EXPECT_EQ(lireTexte("T"), " a ");
    fournir("\n");
    EXPECT_EQ(lireCaractere("C"), '\n');
    fournir("x\nou\n");
    EXPECT_EQ(lireChoix("Choix", "ON"), 'o');
    EXPECT_EQ(capture.texte.str(), "P\nP\n" + std::string("P\nE\n") + "R\n" + message + "R\n" +
                                       message + "R\n" + "E\nE\n" + "\nT\n\nT\n" + "C\n" +
                                       "Choix\nChoix\n");
}

TEST(ConsoleParTube, finDEntree) {
    CaptureConsole capture;
    fournir("");
    EXPECT_EQ(lireReel("P"), 0.0f);
    EXPECT_EQ(lireEntier("E"), 0);
    EXPECT_EQ(lireReelPositif("P"), 0.0f);
    EXPECT_EQ(lireEntierPositif("E"), 0);
    EXPECT_EQ(lireTexte("T"), "");
    EXPECT_EQ(lireCaractere("C"), '\0');
    EXPECT_EQ(lireChoix("C", "ON"), '\0');
    EXPECT_FALSE(questionOuiNon("Q"));
    attendreEntree();
}

TEST(EffacerEcran, vingtCinqSautsDeLigne) {
    CaptureConsole capture;
    effacerEcran();
    EXPECT_EQ(capture.texte.str(), std::string(25, '\n'));
}
