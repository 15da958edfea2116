#include "app/journal_differe.hpp"

#include <algorithm>
#include <memory>
#include <system_error>
#include <utility>

#include "calendrier/calendrier.hpp"
#include "report/journal.hpp"

namespace {

template <class FactureJour>
void imprimerLot(std::ostream& flux, const std::string& dateFact,
                 const LotJournal<FactureJour>& lot) {
    using Montant = decltype(FactureJour::totalFacture);
    std::size_t debut = 0;
    for (const FiguresJournal<FactureJour>& f : lot.figures) {
        const std::string_view prenom(lot.noms.data() + debut, f.longueurPrenom);
        const std::string_view nom(lot.noms.data() + debut + f.longueurPrenom, f.longueurNom);
        debut += f.longueurPrenom + f.longueurNom;
        const FactureJour& facture = f.facture;
        ecrireLigneJournal(
            flux, EnregistrementJournal<Montant>{
                      dateFact, f.noFacture, f.noClient, prenom, nom, nomCategorie(f.categorie),
                      facture.nbArticleFacture, avantRabais(facture), facture.rabaisFacture,
                      facture.sousTotalFacture, facture.tps, facture.tvq, facture.totalFacture});
    }
}

// Waits for the batch being printed: only one thread writes to the journal at a time.
template <class FactureJour>
void attendre(JournalDiffere<FactureJour>& journal) {
    if (journal.impression.valid()) journal.impression.get();
}

// The thread reads only the batch it was given, and the stream and date, which stay as
// they are until the journal ends. The batch is shared so that, if no thread can be had,
// it is still there to be printed here.
template <class FactureJour>
void imprimerEnFond(JournalDiffere<FactureJour>& journal) {
    attendre(journal);
    const auto lot = std::make_shared<const LotJournal<FactureJour>>(std::move(journal.lot));
    journal.lot = LotJournal<FactureJour>();
    journal.lot.figures.reserve(journal.taille);
    try {
        journal.impression = std::async(std::launch::async, [&journal, lot] {
            imprimerLot(*journal.flux, journal.dateFact, *lot);
        });
        // GCOVR_EXCL_START: only a system out of threads refuses one
    } catch (const std::system_error&) {
        imprimerLot(*journal.flux, journal.dateFact, *lot);
    }
    // GCOVR_EXCL_STOP
}

}  // namespace

template <class FactureJour>
void ouvrirJournal(JournalDiffere<FactureJour>& journal, std::ostream* flux,
                   const std::string& dateFact, std::size_t taille) {
    journal.flux = flux;
    journal.taille = std::max<std::size_t>(taille, 1);
    journal.dateFact = dateIso(dateFact);
    if (flux != nullptr) ecrireEnteteJournal(*flux);
}

template <class FactureJour>
void noterNoms(JournalDiffere<FactureJour>& journal, std::string_view prenom,
               std::string_view nom) {
    journal.lot.noms.append(prenom).append(nom);
    journal.longueurPrenom = prenom.size();
    journal.longueurNom = nom.size();
}

template <class FactureJour>
void ajouterAuJournal(JournalDiffere<FactureJour>& journal,
                      const FiguresJournal<FactureJour>& figures) {
    journal.lot.figures.push_back(figures);
    journal.lot.figures.back().longueurPrenom = journal.longueurPrenom;
    journal.lot.figures.back().longueurNom = journal.longueurNom;
    if (journal.lot.figures.size() >= journal.taille) imprimerEnFond(journal);
}

template <class FactureJour>
void terminerJournal(JournalDiffere<FactureJour>& journal) {
    if (journal.flux == nullptr) return;
    attendre(journal);
    imprimerLot(*journal.flux, journal.dateFact, journal.lot);
    journal.lot = LotJournal<FactureJour>();
}

// The journals of the two arithmetics.
template void ouvrirJournal(JournalDiffere<Facture>&, std::ostream*, const std::string&,
                            std::size_t);
template void noterNoms(JournalDiffere<Facture>&, std::string_view, std::string_view);
template void ajouterAuJournal(JournalDiffere<Facture>&, const FiguresJournal<Facture>&);
template void terminerJournal(JournalDiffere<Facture>&);
template void ouvrirJournal(JournalDiffere<FactureCentimes>&, std::ostream*, const std::string&,
                            std::size_t);
template void noterNoms(JournalDiffere<FactureCentimes>&, std::string_view, std::string_view);
template void ajouterAuJournal(JournalDiffere<FactureCentimes>&,
                               const FiguresJournal<FactureCentimes>&);
template void terminerJournal(JournalDiffere<FactureCentimes>&);
