#include "app/rapport.hpp"

#include <optional>

#include "app/fichiers_jour.hpp"
#include "app/journee.hpp"
#include "app/pdf_simultane.hpp"
#include "util/fichier_entree.hpp"

namespace {

constexpr std::size_t tailleTamponJournal = 1 << 16;

}  // namespace

std::string nomVentes(const std::string& dateVente) {
    return std::string(prefixeVentes) + dateVente + std::string(suffixeVentes);
}

std::string nomFacture(const std::string& dateVente, const char* extension) {
    return "facture " + dateVente + extension;
}

// Both files live in the working directory: a date holding a path separator (or a NUL,
// which would cut the name short) cannot name a sales file there.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente, std::ostream& messages) {
    const std::string fichierVente = nomVentes(dateVente);
    if (dateVente.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        signalerAbsent(messages, fichierVente);
        return false;
    }
    return ouvrirFichierEntree(entree, fichierVente, messages);
}

bool trouverPeriode(const Magasin& magasin, const std::string& dateVente,
                    const PeriodeTaxes*& periode, std::ostream& messages) {
    std::string erreur;
    if (periodeDuJour(magasin, dateVente, periode, erreur)) return true;
    messages << erreur + "\n";
    return false;
}

bool facturerDate(std::ifstream& entree, EcrivainFacture& sortie, const std::string& dateVente,
                  std::string& dateFact, const Canaux& canaux, Formats formats,
                  const Bareme& bareme) {
    const std::string fichierFacture = nomFacture(dateVente, ".txt");
    const std::string fichierPdf = nomFacture(dateVente, ".pdf");
    const std::string fichierJournal = nomFacture(dateVente, ".csv");
    EtatFichier texte{true};
    EtatFichier pdf{formats.pdf};
    EtatFichier journal{formats.csv};
    ResultatJour jour;
    {
        std::optional<PdfSimultane> rendu;  // its buffers only when a PDF is asked for
        if (formats.pdf) rendu.emplace();
        texte.ouvert = sortie.ouvrir(fichierFacture, rendu ? &rendu->texte() : nullptr);
        // Nobody reads the text for a PDF that cannot be created: it is not kept for it.
        pdf.ouvert =
            texte.ouvert && rendu && rendu->commencer(fichierPdf, bareme.magasin.identite.nom);
        if (texte.ouvert) {
            // The journal is a small file: small buffers are enough. Binary: the same bytes
            // on every platform.
            Ecrivain fichier(tailleTamponJournal);
            journal.ouvert = formats.csv && fichier.ouvrir(fichierJournal, true);
            std::ostream flux(&sortie);
            std::ostream fluxJournal(&fichier);
            jour = facturerJournee(entree, {flux, journal.ouvert ? &fluxJournal : nullptr, canaux},
                                   nomVentes(dateVente), dateFact, bareme);
            texte.complet = sortie.fermer();
            journal.complet = journal.ouvert && fichier.fermer() && !fluxJournal.bad();
        }
        if (pdf.ouvert) pdf.complet = rendu->terminer("Factures du " + dateFact);
    }
    entree.close();
    const bool avecFactures = jour.nbFactures > 0;
    bool complet = jour.lu;
    complet = appliquer(decider(Sorte::Texte, texte, texte, avecFactures), fichierFacture,
                        canaux.messages) &&
              complet;
    complet = appliquer(decider(Sorte::Journal, journal, texte, avecFactures), fichierJournal,
                        canaux.messages) &&
              complet;
    return appliquer(decider(Sorte::Pdf, pdf, texte, avecFactures), fichierPdf, canaux.messages) &&
           complet;
}
