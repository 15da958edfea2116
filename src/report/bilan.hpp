// A period's report for the tax return: one line per day of the range with its invoices'
// figures, the totals, and last the three lines of the return (101, 103, 203). In 79 columns,
// the store's single bytes, every figure a blank from the next; and the same as a journal
// for a spreadsheet: ';', decimal commas, UTF-8 after a byte-order mark, CR LF (the stream
// binary).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "calcul/somme.hpp"
#include "report/facture_magasin.hpp"

// What is wrong with a day of the range, if anything.
struct EtatJour {
    bool absent = false;           // no sales file
    bool vide = false;             // an empty one
    long long avertissements = 0;  // damaged: what its reading told (0: read clean)
    bool aFacturer = false;        // not invoiced from its sales file as it is
    bool dateDifferente = false;   // its head gives another day
};

// Whether the day is fine, and what is wrong with it: its words ("absent", "vide",
// "endommage", "a facturer", "date differente") separated by a blank; in the text, the
// warnings' count after "endommage" and a comma between the words.
bool jourSansFaute(const EtatJour& etat);
std::string texteEtat(const EtatJour& etat, bool pourJournal);

// The head: the store (name, address lines, registration numbers), the period, the taxes
// (texte libre, as "tps (5 %), tvq (9,975 %)"), the column titles.
void ecrireEnteteBilan(std::ostream& flux, const Identite& magasin, std::string_view debut,
                       std::string_view fin, std::string_view taxes);

// A day: its date and figures, and under them what is wrong with it; a day without figures
// (no sales file, an empty one) has its words in their place.
void ecrireJourBilan(std::ostream& flux, std::string_view date, const FiguresFactures& figures,
                     const EtatJour& etat);

// A totals line under its title: a period of taxes (with its rates), or the whole range.
void ecrireTotalBilan(std::ostream& flux, std::string_view titre, const FiguresFactures& figures);

// The rule before the totals.
void ecrireRegleBilan(std::ostream& flux);

// The return's three lines: "Ligne 101" the sales without taxes, "Ligne 103" the TPS, "Ligne
// 203" the TVQ, each ending with its amount and " $".
void ecrireDeclaration(std::ostream& flux, const FiguresFactures& figures);

// The spreadsheet's header, one day's record (its date AAAA-MM-JJ), and the record "total".
void ecrireEnteteBilanCsv(std::ostream& flux);
void ecrireJourBilanCsv(std::ostream& flux, std::string_view date, const FiguresFactures& figures,
                        std::string_view etat);
