#include "app/journal_differe.hpp"

#include <algorithm>
#include <memory>
#include <system_error>
#include <utility>

#include "report/journal.hpp"

namespace {

void imprimerLot(std::ostream& flux, const std::string& dateFact, const LotJournal& lot) {
    std::size_t debut = 0;
    for (const FiguresJournal& f : lot.figures) {
        const std::string_view prenom(lot.noms.data() + debut, f.longueurPrenom);
        const std::string_view nom(lot.noms.data() + debut + f.longueurPrenom, f.longueurNom);
        debut += f.longueurPrenom + f.longueurNom;
        std::visit(
            [&](const auto& facture) {
                using Montant = decltype(facture.totalFacture);
                ecrireLigneJournal(
                    flux,
                    EnregistrementJournal<Montant>{
                        dateFact, f.noFacture, f.noClient, prenom, nom, nomCategorie(f.categorie),
                        facture.nbArticleFacture, avantRabais(facture), facture.rabaisFacture,
                        facture.sousTotalFacture, facture.tps, facture.tvq, facture.totalFacture});
            },
            f.facture);
    }
}

// Waits for the batch being printed: only one thread writes to the journal at a time.
void attendre(JournalDiffere& journal) {
    if (journal.impression.valid()) journal.impression.get();
}

// The thread reads only the batch it was given, and the stream and date, which stay as
// they are until the journal ends. The batch is shared so that, if no thread can be had,
// it is still there to be printed here.
void imprimerEnFond(JournalDiffere& journal) {
    attendre(journal);
    const auto lot = std::make_shared<const LotJournal>(std::move(journal.lot));
    journal.lot = LotJournal();
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

void ouvrirJournal(JournalDiffere& journal, std::ostream* flux, const std::string& dateFact,
                   std::size_t taille) {
    journal.flux = flux;
    journal.taille = std::max<std::size_t>(taille, 1);
    journal.dateFact = dateFact;
    if (flux != nullptr) ecrireEnteteJournal(*flux);
}

void noterNoms(JournalDiffere& journal, std::string_view prenom, std::string_view nom) {
    journal.lot.noms.append(prenom).append(nom);
    journal.longueurPrenom = prenom.size();
    journal.longueurNom = nom.size();
}

void ajouterAuJournal(JournalDiffere& journal, const FiguresJournal& figures) {
    journal.lot.figures.push_back(figures);
    journal.lot.figures.back().longueurPrenom = journal.longueurPrenom;
    journal.lot.figures.back().longueurNom = journal.longueurNom;
    if (journal.lot.figures.size() >= journal.taille) imprimerEnFond(journal);
}

void terminerJournal(JournalDiffere& journal) {
    if (journal.flux == nullptr) return;
    attendre(journal);
    imprimerLot(*journal.flux, journal.dateFact, journal.lot);
    journal.lot = LotJournal();
}
