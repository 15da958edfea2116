// The rule of the day's outputs, row by row: every state an output, its text and the reading
// of the sales file can be left in.
#include <gtest/gtest.h>

#include "jour/fichiers_jour.hpp"

TEST(FichiersJour, chaqueLigneDeLaRegle) {
    constexpr bool o = true;
    constexpr bool n = false;
    struct Ligne {
        Sorte sorte;
        EtatFichier fichier;  // asked for, opened, written whole
        EtatFichier texte;
        bool lu;  // the sales file read without a failure
        bool avecFactures;
        Decision attendue;  // put in place, earlier one removed, message, failure
    };
    const Ligne regle[] = {
        // The text: put in place when whole and the day read; otherwise the earlier stays.
        {Sorte::Texte, {o, o, o}, {o, o, o}, o, o, {o, n, Avis::Aucun, n}},
        {Sorte::Texte, {o, o, o}, {o, o, o}, o, n, {o, n, Avis::Aucun, n}},
        {Sorte::Texte, {o, o, o}, {o, o, o}, n, o, {n, n, Avis::Aucun, o}},
        {Sorte::Texte, {o, o, n}, {o, o, n}, o, o, {n, n, Avis::Incomplet, o}},
        {Sorte::Texte, {o, n, n}, {o, n, n}, o, n, {n, n, Avis::NonCree, o}},
        // A PDF or journal asked for, the text put in place.
        {Sorte::Pdf, {o, o, o}, {o, o, o}, o, o, {o, n, Avis::Aucun, n}},
        {Sorte::Pdf, {o, o, o}, {o, o, o}, o, n, {n, o, Avis::Aucun, n}},  // no invoice, no PDF
        {Sorte::Journal, {o, o, o}, {o, o, o}, o, n, {o, n, Avis::Aucun, n}},  // header alone
        {Sorte::Journal, {o, o, n}, {o, o, o}, o, o, {n, o, Avis::Incomplet, o}},
        {Sorte::Pdf, {o, o, n}, {o, o, o}, o, n, {n, o, Avis::Incomplet, o}},
        {Sorte::Journal, {o, n, n}, {o, o, o}, o, o, {n, o, Avis::NonCree, o}},
        {Sorte::Pdf, {o, n, n}, {o, o, o}, o, o, {n, o, Avis::NonCree, o}},
        // ... the text not put in place: nothing moves, the text's message says why.
        {Sorte::Pdf, {o, o, o}, {o, o, n}, o, o, {n, n, Avis::Aucun, n}},
        {Sorte::Journal, {o, o, n}, {o, o, n}, o, o, {n, n, Avis::Aucun, n}},
        {Sorte::Journal, {o, n, n}, {o, n, n}, o, n, {n, n, Avis::Aucun, n}},
        {Sorte::Pdf, {o, o, o}, {o, o, o}, n, o, {n, n, Avis::Aucun, n}},
        // Not asked for: an earlier one goes when the text is put in place.
        {Sorte::Pdf, {n, n, n}, {o, o, o}, o, o, {n, o, Avis::Retire, n}},
        {Sorte::Journal, {n, n, n}, {o, o, o}, o, n, {n, o, Avis::Retire, n}},
        {Sorte::Journal, {n, n, n}, {o, o, n}, o, n, {n, n, Avis::Aucun, n}},
        {Sorte::Pdf, {n, n, n}, {o, n, n}, o, n, {n, n, Avis::Aucun, n}},
        {Sorte::Pdf, {n, n, n}, {o, o, o}, n, n, {n, n, Avis::Aucun, n}},
    };
    for (const Ligne& ligne : regle) {
        const Decision d =
            decider(ligne.sorte, ligne.fichier, ligne.texte, ligne.lu, ligne.avecFactures);
        const Decision& a = ligne.attendue;
        EXPECT_TRUE(d.valider == a.valider && d.retirer == a.retirer && d.avis == a.avis &&
                    d.echec == a.echec)
            << &ligne - regle;
    }
}
