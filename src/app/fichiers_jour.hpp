// Which of a day's files stay: the invoice file, its PDF and its journal, each kept or
// removed, with its message, by one rule.
#pragma once

#include <ostream>
#include <string>

enum class Sorte { Texte, Pdf, Journal };

// What became of one file this run: asked for (the text always is), opened for writing,
// written whole and closed.
struct EtatFichier {
    bool demande = false;
    bool ouvert = false;
    bool complet = false;
};

enum class Avis {
    Aucun,
    NonCree,    // "le fichier ... ne peut pas etre cree"
    Incomplet,  // "attention : le fichier ... est incomplet : l'ecriture a echoue"
    Retire      // "le fichier ... est retire : il ne correspond plus aux factures", if there
};

struct Decision {
    bool retirer = false;  // the file of that name goes, if it is a file or a link
    Avis avis = Avis::Aucun;
    bool echec = false;  // the day was not done whole
};

// The rule: a file asked for and not written whole goes, and so does a PDF or journal when
// the text was not written whole (it would stand for a day that is not there); a day
// without invoices has no PDF; a PDF or journal not asked for goes when the text was written
// again (it would contradict it). The invoice file itself stays, whole or not, its message
// saying which.
Decision decider(Sorte sorte, EtatFichier fichier, EtatFichier texte, bool avecFactures);

// Carries out the decision on fichier, saying what it says on messages; false when the day
// was not done whole.
bool appliquer(const Decision& decision, const std::string& fichier, std::ostream& messages);
