// The command line: no argument for the operator's dialogue, or dates to do in turn.
#pragma once

#include <ostream>
#include <string>
#include <vector>

enum class Action { Dialogue, Dates, AJour, Facture, Bilan, Aide, Version, Erreur };

struct Arguments {
    Action action = Action::Dialogue;
    std::vector<std::string> dates;
    bool pdf = false;          // each day also as "facture <date>.pdf"
    bool csv = false;          // and its journal "facture <date>.csv"
    bool muet = false;         // nothing on standard output (dates or --a-jour only)
    bool aJour = false;        // the days not invoiced since their sales file changed
    bool bilan = false;        // a period's report
    std::string magasin;       // the store's settings file, when named (instead of magasin.toml)
    long long noFacture = -1;  // for Facture: the invoice to print again, of the one date
    std::string debutBilan;    // for Bilan: the range's first and last days, JJ-MM-AAAA
    std::string finBilan;
    std::string erreur;  // for Erreur: what is wrong, in one line
};

// Options may stand anywhere before "--"; every other word is a date. The first of -h,
// --help, /?, -V, --version or an unknown option decides the action; without one, any date
// makes it Dates. -q without a date is an error: the dialogue cannot be quiet. --a-jour makes
// it AJour, and goes with no date. --facture N makes it Facture, with one date and without
// --csv or --a-jour. --magasin and --facture take the next word (or the one after their =),
// which must be there. --bilan takes a month MM-AAAA, a year AAAA or two days JJ-MM-AAAA (the
// next two words), and makes it Bilan, without dates, --a-jour, --facture or --pdf.
Arguments lireArguments(int argc, const char* const argv[]);

// The usage, the version line, the one-line error of a command line that cannot be done
// (without the program's name, which standard error's stream puts in front of it).
void ecrireAide(std::ostream& flux);
void ecrireVersion(std::ostream& flux);
void ecrireErreur(std::ostream& flux, const std::string& erreur);
