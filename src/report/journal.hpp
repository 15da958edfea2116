// The day's journal for the accountant, one record per invoice, made for a spreadsheet set
// to French (Canada): ';' between fields, amounts with a decimal comma, UTF-8 after a
// byte-order mark, CR LF after every record. The stream must be binary, so that every
// platform writes the same bytes.
#pragma once

#include <ostream>
#include <string_view>

#include "report/champs.hpp"

// The byte-order mark and the header record.
void ecrireEnteteJournal(std::ostream& flux);

// One invoice's record: its date, numbers and names, its category's name, its article
// count and its amounts, in floats or in cents.
template <class Montant>
struct EnregistrementJournal {
    std::string_view dateFact;
    long long noFacture;
    int noClient;
    std::string_view prenom;
    std::string_view nom;
    std::string_view categorie;
    long long nbArticles;
    Montant avantRabais;
    Montant rabais;
    Montant sousTotal;
    Montant tps;
    Montant tvq;
    Montant total;
};

// Writes one record. The texts are the store's Windows-1252 bytes, written in UTF-8; one
// holding ; or " is quoted, its " doubled, and one that a spreadsheet would run as a formula
// (= + - @ first) is written after a '. Amounts have the invoice's digits.
void ecrireLigneJournal(std::ostream& flux, const EnregistrementJournal<float>& ligne);
void ecrireLigneJournal(std::ostream& flux, const EnregistrementJournal<Centimes>& ligne);
