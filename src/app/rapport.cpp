#include "app/rapport.hpp"

#include <cstdio>

#include "app/journee.hpp"
#include "report/pdf.hpp"
#include "util/fichier_entree.hpp"

namespace {

constexpr std::size_t tailleTamponJournal = 1 << 16;

std::string nomVentes(const std::string& dateVente) {
    return "vente" + dateVente + ".txt";
}

void signalerNonCree(std::ostream& messages, const std::string& fichier) {
    messages << "le fichier \"" << fichier << "\" ne peut pas etre cree\n";
}

void signalerIncomplet(std::ostream& messages, const std::string& fichier) {
    messages << "attention : le fichier \"" << fichier << "\" est incomplet : l'ecriture a echoue"
             << std::endl;
}

// The invoice file in text mode, the journal in binary mode (the same bytes everywhere).
bool ouvrirFacture(TamponEcrivain& sortie, const std::string& fichier, std::ostream& messages,
                   bool binaire = false) {
    if (sortie.ouvrir(fichier, binaire)) return true;
    signalerNonCree(messages, fichier);
    return false;
}

// A full disk shows only here: the file would otherwise look complete.
bool fermerFacture(TamponEcrivain& sortie, const std::string& fichier, std::ostream& messages) {
    if (sortie.fermer()) return true;
    signalerIncomplet(messages, fichier);
    return false;
}

// A journal not written whole goes, and so does one whose invoice file was not: the
// accountant would take it for the day.
bool fermerJournal(TamponEcrivain& journal, const std::string& fichierJournal, bool factureEcrite,
                   std::ostream& messages) {
    const bool ecrit = fermerFacture(journal, fichierJournal, messages);
    if (!ecrit || !factureEcrite) std::remove(fichierJournal.c_str());
    return ecrit;
}

// Renders the finished invoice file as fichierPdf, so that the PDF holds exactly what the
// text holds. A day without invoice gets no PDF, and an earlier one goes: it would
// contradict the emptied invoice file. Reading stops at the size the file had when it was
// closed: a device that never ends cannot make the PDF grow without end.
bool imprimerPdf(const std::string& fichierFacture, const std::string& fichierPdf,
                 const std::string& dateFact, std::ostream& messages) {
    std::ifstream texte(fichierFacture, std::ios_base::binary);
    texte.seekg(0, std::ios_base::end);
    const std::streamoff taille = texte.tellg();  // -1 when it cannot be read back
    texte.seekg(0);
    if (taille == 0) {
        std::remove(fichierPdf.c_str());
        return true;
    }
    // Binary: text mode would turn the line ends inside the file and move every offset.
    TamponEcrivain pdf;
    // GCOVR_EXCL_BR_START: taille is below 0 only if another program takes the file away
    // once it is written (a PDF that cannot be created is tested)
    if (taille <= 0 || !pdf.ouvrir(fichierPdf, true)) {
        // GCOVR_EXCL_BR_STOP
        signalerNonCree(messages, fichierPdf);
        return false;
    }
    std::ostream flux(&pdf);
    ecrireFacturesPdf(flux, *texte.rdbuf(), static_cast<std::uint64_t>(taille),
                      "Factures du " + dateFact);
    if (pdf.fermer() && !flux.bad()) return true;
    signalerIncomplet(messages, fichierPdf);
    std::remove(fichierPdf.c_str());
    return false;
}

}  // namespace

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

bool facturerDate(std::ifstream& entree, TamponEcrivain& sortie, const std::string& dateVente,
                  std::string& dateFact, const Canaux& canaux, Formats formats) {
    const std::string fichierFacture = "facture " + dateVente + ".txt";
    bool ecrit = ouvrirFacture(sortie, fichierFacture, canaux.messages);
    const std::string fichierJournal = "facture " + dateVente + ".csv";
    bool complet = ecrit;
    if (ecrit) {
        // The journal is a small file: small buffers are enough.
        TamponEcrivain journal(tailleTamponJournal);
        const bool avecJournal =
            formats.csv && ouvrirFacture(journal, fichierJournal, canaux.messages, true);
        std::ostream flux(&sortie);
        std::ostream fluxJournal(&journal);
        complet =
            facturerJournee(entree, flux, avecJournal ? &fluxJournal : nullptr, canaux.console,
                            canaux.messages, nomVentes(dateVente), dateFact, canaux.eAigu) &&
            avecJournal == formats.csv;
        ecrit = fermerFacture(sortie, fichierFacture, canaux.messages);
        if (avecJournal) {
            complet = fermerJournal(journal, fichierJournal, ecrit, canaux.messages) && complet;
        }
    } else if (formats.csv) {
        std::remove(fichierJournal.c_str());  // no journal of a text that was not written
    }
    entree.close();
    if (!formats.pdf) return ecrit && complet;
    const std::string fichierPdf = "facture " + dateVente + ".pdf";
    if (!ecrit) {
        std::remove(fichierPdf.c_str());  // no PDF of a text that was not written whole
        return false;
    }
    return imprimerPdf(fichierFacture, fichierPdf, dateFact, canaux.messages) && complet;
}
