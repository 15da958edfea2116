// Broken sales files and failing disks: no invented lines, no silent loss. Each broken file
// must give exactly the invoices of the well-formed file made of what could be read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>

#include "journee.hpp"
#include "session.hpp"

namespace {

const std::string entete = "Ventes de la journee du 28-02-2012\n";
const std::string client101 = "101 Jeanne Exemple membre 2\n";
const std::string articles101 = "1 chemise 2 19.99 s\n2 pantalon 1 39.50 n\n";
const std::string suite =
    "102 Marc Essai vip 1\n7 manteau 1 120.00 n\n103 Lise Modele client 1\n4 bas 3 4.25 s\n";
const std::string ligneDate = "La date dans le fichier est : 28-02-2012\n";
const std::string aucunAchat = "\nAucun n'achat n'a \x82t\x82 effectu\x82 pour cette date\n";

std::string avertissement(int ligne, const std::string& endroit) {
    return "attention : le fichier \"vente.txt\", ligne " + std::to_string(ligne) +
           " : donnee illisible " + endroit + " ; la suite est ignoree\n";
}

struct Journee {
    std::string facture;
    std::string console;
};

Journee facturer(const std::string& ventes) {
    std::istringstream entree(ventes);
    std::ostringstream sortie;
    std::ostringstream console;
    std::string dateFact;
    facturerJournee(entree, sortie, console, "vente.txt", dateFact);
    return {sortie.str(), console.str()};
}

struct Cas {
    const char* nom;
    std::string casse;       // the broken sales file
    std::string equivalent;  // the well-formed file of what can be read ("" : no invoice)
    std::string console;     // what the operator is told after the date line
};

}  // namespace

TEST(Robustesse, fichiersCassesTableau) {
    const std::string apres101 = "apres la facture 0 (client 101)";
    const Cas cas[] = {
        {"liste d'articles tronquee", entete + "101 Jeanne Exemple membre 3\n" + articles101,
         entete + client101 + articles101, avertissement(4, apres101)},
        {"nbArticle enorme", entete + "101 Jeanne Exemple membre 2000000000\n" + articles101,
         entete + client101 + articles101, avertissement(4, apres101)},
        {"lettres dans le premier client", entete + "1o1 Jeanne Exemple membre 2\n" + articles101,
         "", avertissement(2, "avant la premiere facture") + aucunAchat},
        {"lettres dans un client suivant", entete + client101 + articles101 + "x102 Marc\n",
         entete + client101 + articles101, avertissement(5, apres101)},
        {"lettres dans une quantite", entete + client101 + "1 chemise deux 19.99 s\n" + suite,
         entete + "101 Jeanne Exemple membre 0\n", avertissement(3, apres101)},
        {"drapeau ecrit en mot",
         entete + client101 + "1 chemise 2 19.99 s\n2 pantalon 1 39.50 non\n" + suite,
         entete + client101 + articles101, avertissement(4, apres101)},
        {"en-tete de moins de six mots", "Ventes du 28-02-2012\n", "",
         avertissement(1, "dans l'en-tete") + aucunAchat},
        {"dechets apres un client complet",
         entete + client101 + articles101 + suite + "\n  fin du fichier\n\n",
         entete + client101 + articles101 + suite,
         avertissement(10, "apres la facture 2 (client 103)")},
        {"nbArticle negatif", entete + "101 Jeanne Exemple membre -2\n" + articles101,
         entete + "101 Jeanne Exemple membre 0\n", avertissement(3, apres101)},
        {"client tronque apres le dernier", entete + client101 + articles101 + "102 Marc",
         entete + client101 + articles101, avertissement(5, apres101)},
        {"blancs seulement apres le dernier", entete + client101 + articles101 + " \n\t\n",
         entete + client101 + articles101, ""},
    };
    for (const Cas& c : cas) {
        const auto debut = std::chrono::steady_clock::now();
        const Journee obtenu = facturer(c.casse);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(1)) << c.nom;
        const std::string attendu = c.equivalent.empty() ? "" : facturer(c.equivalent).facture;
        std::string rapport;
        EXPECT_TRUE(memesOctets(attendu, obtenu.facture, rapport)) << c.nom << "\n" << rapport;
        EXPECT_EQ(obtenu.console, ligneDate + c.console) << c.nom;
    }
    // The truncated list keeps its two lines and their figures, no third line.
    const std::string tronque = facturer(cas[0].casse).facture;
    EXPECT_NE(tronque.find("pantalon      1    39.50$"), std::string::npos);
    EXPECT_NE(tronque.find("Nombre de factures :             1\n"), std::string::npos);
    EXPECT_NE(tronque.find("sur la facture :    3Aujourd'hui"), std::string::npos);
}

TEST(Robustesse, programmeAvertitEtDisquePlein) {
    Dossier dossier;
    dossier.ecrire("vente28-02-2012.txt", entete + "101 Jeanne Exemple membre 3\n" + articles101);
    Resultat resultat = lancerAvecTube(dossier, "28-02-2012\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_NE(resultat.console.find("attention : le fichier \"vente28-02-2012.txt\", ligne 4 : "
                                    "donnee illisible apres la facture 0 (client 101) ; la "
                                    "suite est ignoree\nvoulez-vous"),
              std::string::npos)
        << resultat.console;
    EXPECT_NE(dossier.lire("facture 28-02-2012.txt").find("Sommaire"), std::string::npos);

    dossier.ecrire("vente28-02-2012.txt", entete + client101 + articles101 + suite);
    ::unlink((dossier.chemin + "/facture 28-02-2012.txt").c_str());
    ASSERT_EQ(::symlink("/dev/full", (dossier.chemin + "/facture 28-02-2012.txt").c_str()), 0);
    resultat = lancerAvecTube(dossier, "28-02-2012\nN\n\n");
    EXPECT_EQ(resultat.statut, 0);
    EXPECT_EQ(resultat.console,
              "Veuillez entrer la date des transaction ( JJ-MM-AAAA ) : \n\tDate : " + ligneDate +
                  "attention : le fichier \"facture 28-02-2012.txt\" est incomplet : "
                  "l'ecriture a echoue\n"
                  "voulez-vous rediger un autre rapport ?\n"
                  "Appuyer sur entrer pour continuer ... ");
}
