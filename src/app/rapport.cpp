#include "app/rapport.hpp"

#include <optional>

#include "app/journee.hpp"
#include "jour/pdf_simultane.hpp"
#include "jour/temporaires.hpp"
#include "util/fichier_entree.hpp"

namespace {

constexpr std::size_t tailleTamponJournal = 1 << 16;

}  // namespace

// Both files live in the working directory: a date holding a path separator (or a NUL,
// which would cut the name short) cannot name a sales file there.
bool ouvrirVentes(std::ifstream& entree, const std::string& dateVente, IdentiteFichier& ventes,
                  std::ostream& messages) {
    const std::string fichierVente = nomVentes(dateVente);
    if (dateVente.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
        signalerAbsent(messages, fichierVente);
        return false;
    }
    // Before it is opened: a change made while it is read then shows at the next run.
    ventes = {};
    identiteFichier(fichierVente, ventes);
    return ouvrirFichierEntree(entree, fichierVente, messages);
}

bool trouverPeriode(const Magasin& magasin, const std::string& dateVente,
                    const PeriodeTaxes*& periode, std::ostream& messages) {
    std::string erreur;
    if (periodeDuJour(magasin, dateVente, periode, erreur)) return true;
    messages << erreur + "\n";
    return false;
}

bool dateEntete(std::istream& entree, std::string& date) {
    constexpr int motsEntete = 6;  // the date is the sixth
    int lus = 0;
    for (; lus < motsEntete && entree >> date; ++lus) {
    }
    entree.clear();
    entree.seekg(0);
    return lus == motsEntete;
}

bool verifierEntete(std::ifstream& entree, const std::string& dateVente, const Magasin& magasin,
                    std::ostream& messages) {
    if (magasin.taxes.empty()) return true;  // the program's own: the head is shown as ever
    std::string mot;
    if (!dateEntete(entree, mot) || mot == dateVente) return true;
    entree.close();
    messages << montrer(leFichier(nomVentes(dateVente)) + " est la journee du " + mot +
                            ", pas du " + dateVente + " : il n'est pas facture",
                        false) +
                    "\n";
    return false;
}

bool facturerDate(std::ifstream& entree, const IdentiteFichier& ventes, EcrivainFacture& sortie,
                  const std::string& dateVente, std::string& dateFact, const Canaux& canaux,
                  Formats formats, const Bareme& bareme, Validation& validation) {
    FichiersJour fichiers = preparerFichiers(dateVente, formats, ventes);
    EtatFichier& texte = fichiers.texte.etat;
    EtatFichier& pdf = fichiers.pdf.etat;
    EtatFichier& journal = fichiers.journal.etat;
    ResultatJour jour;
    {
        std::optional<PdfSimultane> rendu;  // its buffers only when a PDF is asked for
        if (formats.pdf) rendu.emplace();
        // An invoice too long to wait in memory for the PDF waits in a file of the program's.
        texte.ouvert = sortie.ouvrir(fichiers.texte.ecrit, rendu ? &rendu->texte() : nullptr,
                                     false, rendu ? nomTemporaire() : std::string());
        // Nobody reads the text for a PDF that cannot be created: it is not kept for it.
        pdf.ouvert = texte.ouvert && rendu && rendu->commencer(fichiers.pdf.ecrit);
        if (texte.ouvert) {
            // The journal is a small file: small buffers are enough. Binary: the same bytes
            // on every platform.
            Ecrivain fichier(tailleTamponJournal);
            journal.ouvert = formats.csv && fichier.ouvrir(fichiers.journal.ecrit, true);
            std::ostream flux(&sortie);
            std::ostream fluxJournal(&fichier);
            jour = facturerJournee(entree,
                                   {flux, journal.ouvert ? &fluxJournal : nullptr, canaux,
                                    pdf.ouvert ? rendu->reperes() : nullptr},
                                   nomVentes(dateVente), dateFact, bareme);
            texte.complet = sortie.fermer();
            journal.complet = journal.ouvert && fichier.fermer() && !fluxJournal.bad();
        }
        if (pdf.ouvert) pdf.complet = rendu->terminer("Factures du " + dateFact);
    }
    entree.close();
    const bool fait = terminerFichiers(fichiers, !jour.erreurLecture, jour.nbFactures, validation,
                                       canaux.messages);
    return fait && jour.lu && !jour.averti;
}
