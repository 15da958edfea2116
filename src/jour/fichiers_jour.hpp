// A day's outputs, from their opening to the end: the invoice file, its PDF and its journal.
// Each is written under a temporary name beside its own and put in place only once the day
// was read and it was written whole, so that an earlier output stays untouched until then;
// this module alone says which outputs a day leaves, what is said of them, and whether a day
// is done.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "jour/registre.hpp"
#include "jour/validation.hpp"
#include "util/console.hpp"

// The day's files in the working directory: its sales file "vente<dateVente>.txt" and the
// files written from it, "facture <dateVente>" with extension (".txt", ".pdf", ".csv").
constexpr std::string_view prefixeVentes = "vente";
constexpr std::string_view suffixeVentes = ".txt";
std::string nomVentes(const std::string& dateVente);
std::string nomFacture(const std::string& dateVente, const char* extension);

// The files a report writes besides the invoice file.
struct Formats {
    bool pdf = false;  // "facture <date>.pdf", the invoices to print
    bool csv = false;  // "facture <date>.csv", the journal for the accountant
};

enum class Sorte { Texte, Pdf, Journal };

// What became of one output this run: asked for (the text always is), opened for writing,
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
    bool valider = false;  // the output written takes the place of the earlier one
    bool retirer = false;  // the earlier file of that name goes, if it is a file or a link
    Avis avis = Avis::Aucun;
    bool echec = false;  // the day was not done whole
};

// The rule. A day whose sales file could not be read (lu false), or whose text was not
// written whole, leaves every earlier output as it was. Otherwise the text is put in place;
// a PDF or journal asked for and not written whole goes, with the earlier one of its name
// (it would stand for another day's invoices); a day without invoices has no PDF; a PDF or
// journal not asked for goes too, as it would contradict the new text.
Decision decider(Sorte sorte, EtatFichier fichier, EtatFichier texte, bool lu, bool avecFactures);

// One output: its name, and the name its writer opens, a temporary file beside it or, for
// a name that is no regular file (a link, a pipe, a device), the name itself, written where
// it stands as it always was.
struct Sortie {
    std::string nom;
    std::string ecrit;
    EtatFichier etat;
};

struct FichiersJour {
    std::string dateVente;
    IdentiteFichier ventes;  // the sales file as it was opened
    Sortie texte;
    Sortie pdf;
    Sortie journal;
};

// The outputs of dateVente, the ones formats asks for to be opened on their ecrit.
FichiersJour preparerFichiers(const std::string& dateVente, Formats formats,
                              const IdentiteFichier& ventes);

// Once the writers are closed: decides each output, says on messages what is wrong with
// them, removes the temporary files not to keep and hands the rest, with the day's trace
// for the register, to validation. False when the day was not done whole (what validation
// finds is told by it).
bool terminerFichiers(const FichiersJour& fichiers, bool lu, long long nbFactures,
                      Validation& validation, std::ostream& messages);

// One output made apart from any day (an invoice printed again): written as a day's are,
// under a temporary name beside it; once closed, put in place when written whole (complet),
// its temporary file removed otherwise. False, said on messages, when it is not in place.
Sortie preparerSortie(const std::string& nom);
bool terminerSortie(const Sortie& sortie, bool complet, std::ostream& messages);

// Whether dateVente is done for its sales file as it is now (ventes) in registre: its outputs
// made from that very file, those asked for there.
bool estFait(const Registre& registre, const std::string& dateVente, const IdentiteFichier& ventes,
             Formats formats);
