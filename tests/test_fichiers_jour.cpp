// The rule of the day's files, row by row: every state a file and its text can be left in.
#include <gtest/gtest.h>

#include "app/fichiers_jour.hpp"

TEST(FichiersJour, chaqueLigneDeLaRegle) {
    constexpr bool o = true;
    constexpr bool n = false;
    struct Ligne {
        Sorte sorte;
        EtatFichier fichier;  // asked for, opened, written whole
        EtatFichier texte;
        bool avecFactures;
        Decision attendue;  // remove, message, failure
    };
    const Ligne regle[] = {
        // The text: kept whole or not, its message saying which.
        {Sorte::Texte, {o, o, o}, {o, o, o}, o, {n, Avis::Aucun, n}},
        {Sorte::Texte, {o, o, o}, {o, o, o}, n, {n, Avis::Aucun, n}},
        {Sorte::Texte, {o, o, n}, {o, o, n}, o, {n, Avis::Incomplet, o}},
        {Sorte::Texte, {o, n, n}, {o, n, n}, n, {n, Avis::NonCree, o}},
        // A PDF or journal asked for.
        {Sorte::Pdf, {o, o, o}, {o, o, o}, o, {n, Avis::Aucun, n}},
        {Sorte::Pdf, {o, o, o}, {o, o, o}, n, {o, Avis::Aucun, n}},      // no invoice, no PDF
        {Sorte::Journal, {o, o, o}, {o, o, o}, n, {n, Avis::Aucun, n}},  // its header alone
        {Sorte::Journal, {o, o, n}, {o, o, o}, o, {o, Avis::Incomplet, o}},
        {Sorte::Pdf, {o, o, n}, {o, o, o}, n, {o, Avis::Incomplet, o}},
        {Sorte::Journal, {o, n, n}, {o, o, o}, o, {o, Avis::NonCree, o}},
        {Sorte::Pdf, {o, n, n}, {o, o, o}, o, {o, Avis::NonCree, o}},
        // ... whose text was not written whole: it goes, the text's message says why.
        {Sorte::Pdf, {o, o, o}, {o, o, n}, o, {o, Avis::Aucun, n}},
        {Sorte::Journal, {o, o, n}, {o, o, n}, o, {o, Avis::Aucun, n}},
        {Sorte::Journal, {o, n, n}, {o, n, n}, n, {o, Avis::Aucun, n}},
        // Not asked for: an earlier one goes when the text was written again.
        {Sorte::Pdf, {n, n, n}, {o, o, o}, o, {o, Avis::Retire, n}},
        {Sorte::Journal, {n, n, n}, {o, o, n}, n, {o, Avis::Retire, n}},
        {Sorte::Pdf, {n, n, n}, {o, n, n}, n, {n, Avis::Aucun, n}},
    };
    for (const Ligne& ligne : regle) {
        const Decision d = decider(ligne.sorte, ligne.fichier, ligne.texte, ligne.avecFactures);
        const Decision& a = ligne.attendue;
        EXPECT_TRUE(d.retirer == a.retirer && d.avis == a.avis && d.echec == a.echec)
            << &ligne - regle;
    }
}
