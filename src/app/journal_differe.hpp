// The journal's records printed on a second thread, so that the day's invoicing does not
// wait for them: the invoices' figures are gathered in batches, and each batch is printed
// while the next one fills. The records keep the invoices' order; memory stays that of two
// batches.
#pragma once

#include <future>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/centimes.hpp"
#include "calcul/facturation.hpp"

// One invoice's figures, as its journal record gives them: FactureJour is the day's invoice,
// in floats (Facture) or in cents (FactureCentimes).
template <class FactureJour>
struct FiguresJournal {
    long long noFacture = 0;
    int noClient = 0;
    CategorieClient categorie = CategorieClient::NonMembre;
    FactureJour facture;
    std::size_t longueurPrenom = 0;  // its names stand in the batch, after those before it
    std::size_t longueurNom = 0;
};

template <class FactureJour>
struct LotJournal {
    std::vector<FiguresJournal<FactureJour>> figures;
    std::string noms;  // each invoice's first and last names, one after the other
};

// Records in a batch: enough that starting a thread costs little beside them.
constexpr std::size_t tailleLot = 4096;

template <class FactureJour>
struct JournalDiffere {
    std::ostream* flux = nullptr;    // none: no journal
    std::size_t taille = tailleLot;  // of a batch (tests shrink it)
    std::string dateFact;
    LotJournal<FactureJour> lot;
    std::size_t longueurPrenom = 0;
    std::size_t longueurNom = 0;
    std::future<void> impression;  // the batch being printed, if any
};

// A journal on flux (null for none), whose header is written at once, in batches of
// taille records; its records' date is dateFact as AAAA-MM-JJ when it names a day. It must not
// move once an invoice is added.
template <class FactureJour>
void ouvrirJournal(JournalDiffere<FactureJour>& journal, std::ostream* flux,
                   const std::string& dateFact, std::size_t taille = tailleLot);

// For a journal with a stream, the caller having looked: notes the names of the invoice
// begun, while they can be read (the item records move the client record's words out of
// reach). An invoice taken back, after which nothing more is read, leaves its names unused
// at the end of the batch.
template <class FactureJour>
void noterNoms(JournalDiffere<FactureJour>& journal, std::string_view prenom,
               std::string_view nom);

// For a journal with a stream: adds the finished invoice whose names were noted last; a
// full batch goes to be printed once the one before it is.
template <class FactureJour>
void ajouterAuJournal(JournalDiffere<FactureJour>& journal,
                      const FiguresJournal<FactureJour>& figures);

// Prints what is left and waits until every record is on flux.
template <class FactureJour>
void terminerJournal(JournalDiffere<FactureJour>& journal);
