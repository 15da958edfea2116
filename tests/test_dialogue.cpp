// The console dialogue, with the built program run in a temporary directory and its
// standard input a terminal, a pipe or a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "session.hpp"

namespace {

const std::string invite = "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : \n\tDate : ";
const std::string question = "voulez-vous rediger un autre rapport ?\n";
const std::string pauseFinale = "Appuyer sur entrer pour continuer ... ";
const std::string aucunAchat = "\nAucun n'achat n'a \x82t\x82 effectu\x82 pour cette date\n";
const std::string exemple =
    "Ventes de la journee du 28-02-2012\n"
    "101 Jeanne Exemple membre 2\n"
    "1 chemise 2 19.99 s\n"
    "2 pantalon 1 39.50 n\n"
    "102 Marc Essai vip 1\n"
    "7 manteau 1 120.00 n\n"
    "103 Lise Modele client 1\n"
    "4 bas 3 4.25 s\n";

std::string ligneDate(const std::string& date) {
    return "La date dans le fichier est : " + date + "\n";
}
std::string absent(const std::string& nom) {
    return "le fichier \"" + nom + "\" est absent\n";
}

}  // namespace

TEST(DialogueTerminal, rapportTypiqueEtPauseFinale) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    Terminal terminal(dossier);
    ASSERT_TRUE(terminal.attendre(invite));
    // A line typed ahead, still in the terminal, is not an answer to the question.
    terminal.taper("28-02-2012\nzz\n");
    ASSERT_TRUE(terminal.attendre(question));
    EXPECT_TRUE(terminal.silence(200));
    terminal.taper("N\n");
    ASSERT_TRUE(terminal.attendre(pauseFinale));
    // The line end after N is not the Enter the pauseFinale waits for.
    EXPECT_TRUE(terminal.silence(300));
    terminal.taper("\n");
    ASSERT_TRUE(terminal.fin());
    EXPECT_EQ(terminal.statut, 0);
    EXPECT_EQ(terminal.console, invite + ligneDate("28-02-2012") + question + pauseFinale);
    EXPECT_TRUE(dossier.existe("facture 28-02-2012.txt"));
}

TEST(DialogueTerminal, fichierAbsentVideEtMotSuivant) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    dossier.ecrire("vente01-01-2000.txt", "");
    Terminal terminal(dossier);
    ASSERT_TRUE(terminal.attendre(invite));
    terminal.taper("abc\n");
    ASSERT_TRUE(terminal.attendre(invite));
    terminal.taper("01-01-2000\n");
    ASSERT_TRUE(terminal.attendre(invite));
    // A second word on the line is the next date when the first has no file.
    terminal.taper("31-12-1999 28-02-2012\n");
    ASSERT_TRUE(terminal.attendre(question));
    terminal.taper("n\n");
    ASSERT_TRUE(terminal.attendre(pauseFinale));
    terminal.taper("\n");
    ASSERT_TRUE(terminal.fin());
    EXPECT_EQ(terminal.statut, 0);
    EXPECT_EQ(terminal.console, invite + absent("venteabc.txt") + invite +
                                    "le fichier \"vente01-01-2000.txt\" est vide\n" + invite +
                                    absent("vente31-12-1999.txt") + invite +
                                    ligneDate("28-02-2012") + question + pauseFinale);
    EXPECT_FALSE(dossier.existe("facture abc.txt"));
    EXPECT_FALSE(dossier.existe("facture 01-01-2000.txt"));
}

TEST(DialogueTerminal, reponsesRefuseesPuisOuiPuisSecondRapport) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    dossier.ecrire("venteJ2.txt", "a b c d e J2-date\n");
    Terminal terminal(dossier);
    ASSERT_TRUE(terminal.attendre(invite));
    terminal.taper("28-02-2012\n");
    ASSERT_TRUE(terminal.attendre(question));
    terminal.taper("x\n");  // one refused letter and its line end: asked twice more
    ASSERT_TRUE(terminal.attendre(question + question));
    EXPECT_TRUE(terminal.silence(200));
    terminal.taper("oui\n");
    ASSERT_TRUE(terminal.attendre(invite));
    // "ui" is gone with its line: the prompt waits for a new date.
    EXPECT_TRUE(terminal.silence(300));
    terminal.taper("J2\n");
    ASSERT_TRUE(terminal.attendre(question));
    terminal.taper("N\n");
    ASSERT_TRUE(terminal.attendre(pauseFinale));
    terminal.taper("\n");
    ASSERT_TRUE(terminal.fin());
    EXPECT_EQ(terminal.statut, 0);
    EXPECT_EQ(terminal.console, invite + ligneDate("28-02-2012") + question + question + question +
                                    invite + ligneDate("J2-date") + aucunAchat + question +
                                    pauseFinale);
    EXPECT_EQ(dossier.lire("facture J2.txt"), "");
}

TEST(DialogueTube, uneQuestionPuisDeuxRapports) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    Resultat resultat = lancerAvecTube(dossier, "28-02-2012\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console, invite + ligneDate("28-02-2012") + question + pauseFinale);

    dossier.ecrire("vented2.txt", "1 2 3 4 5 D2\n");
    resultat = lancerAvecTube(dossier, "28-02-2012\nO\nd2\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console, invite + ligneDate("28-02-2012") + question + invite +
                                    ligneDate("D2") + aucunAchat + question + pauseFinale);
    EXPECT_TRUE(dossier.existe("facture d2.txt"));

    // "oui" on a pipe: the rest of its line goes too.
    resultat = lancerAvecTube(dossier, "d2\noui\nd2 \nnon\n");
    EXPECT_EQ(resultat.console, invite + ligneDate("D2") + aucunAchat + question + invite +
                                    ligneDate("D2") + aucunAchat + question + pauseFinale);
}

TEST(DialogueFichierEtFinDEntree, sortAvecLeStatutZero) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    // Input from a file is moved to its end by the question: the answer is no.
    Resultat resultat = lancerAvecFichier(dossier, "28-02-2012\nO\nautre\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console, invite + ligneDate("28-02-2012") + question + pauseFinale);

    resultat = lancerAvecFichier(dossier, "");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console, invite);

    resultat = lancerAvecTube(dossier, "absent1 absent2");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console,
              invite + absent("venteabsent1.txt") + invite + absent("venteabsent2.txt") + invite);

    resultat = lancerAvecTube(dossier, "28-02-2012");  // no answer at all
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console, invite + ligneDate("28-02-2012") + question + pauseFinale);
}

TEST(DialogueFautes, factureImpossibleEtDateHorsDuDossier) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", exemple);
    std::filesystem::create_directory(dossier.chemin + "/facture 28-02-2012.txt");
    Resultat resultat = lancerAvecTube(dossier, "28-02-2012\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console,
              invite + "le fichier \"facture 28-02-2012.txt\" ne peut pas etre cree\n" + question +
                  pauseFinale);

    // A date naming a file elsewhere is absent, even where that file exists.
    std::filesystem::create_directory(dossier.chemin + "/ventesous");
    dossier.ecrire("ventesous/x.txt", exemple);
    dossier.ecrire("vented\\x.txt", exemple);
    resultat = lancerAvecTube(dossier, "sous/x\nd\\x\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console,
              invite + absent("ventesous/x.txt") + invite + absent("vented\\x.txt") + invite);
    EXPECT_FALSE(dossier.existe("facture sous"));
    EXPECT_FALSE(dossier.existe("facture d\\x.txt"));
}
