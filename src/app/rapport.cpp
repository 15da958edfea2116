#include "app/rapport.hpp"

#include <cstdio>
#include <optional>

#include "app/journee.hpp"
#include "app/pdf_simultane.hpp"
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

// Keeps the PDF rendered while the invoice file was written only if it is whole and its
// text was; a day without invoice gets no PDF, and an earlier one goes: it would contradict
// the emptied invoice file.
bool terminerPdf(std::optional<PdfSimultane>& rendu, const std::string& fichierPdf,
                 bool factureEcrite, std::ostream& messages) {
    if (rendu) attendrePdf(*rendu);
    if (!factureEcrite) {
        std::remove(fichierPdf.c_str());
        return false;
    }
    PdfSimultane& pdf = *rendu;
    if (pdf.cree && pdf.vide) {
        std::remove(fichierPdf.c_str());
        return true;
    }
    if (!pdf.cree) {
        signalerNonCree(messages, fichierPdf);
        return false;
    }
    if (pdf.complet) return true;
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

bool trouverPeriode(const Magasin& magasin, const std::string& dateVente,
                    const PeriodeTaxes*& periode, std::ostream& messages) {
    std::string erreur;
    if (periodeDuJour(magasin, dateVente, periode, erreur)) return true;
    messages << erreur + "\n";
    return false;
}

bool facturerDate(std::ifstream& entree, TamponEcrivain& sortie, const std::string& dateVente,
                  std::string& dateFact, const Canaux& canaux, Formats formats,
                  const Bareme& bareme) {
    const std::string fichierFacture = "facture " + dateVente + ".txt";
    bool ecrit = ouvrirFacture(sortie, fichierFacture, canaux.messages);
    const std::string fichierJournal = "facture " + dateVente + ".csv";
    bool complet = ecrit;
    const std::string fichierPdf = "facture " + dateVente + ".pdf";
    std::optional<PdfSimultane> pdf;  // its buffers only when a PDF is asked for
    if (ecrit && formats.pdf) {
        pdf.emplace().magasin = bareme.magasin.identite.nom;
        commencerPdf(*pdf, sortie, fichierFacture, fichierPdf);
    }
    if (ecrit) {
        // The journal is a small file: small buffers are enough.
        TamponEcrivain journal(tailleTamponJournal);
        const bool avecJournal =
            formats.csv && ouvrirFacture(journal, fichierJournal, canaux.messages, true);
        std::ostream flux(&sortie);
        std::ostream fluxJournal(&journal);
        complet = facturerJournee(entree, flux, avecJournal ? &fluxJournal : nullptr,
                                  canaux.console, canaux.messages, nomVentes(dateVente), dateFact,
                                  canaux.eAigu, bareme) &&
                  avecJournal == formats.csv;
        if (pdf) pdf->titre = "Factures du " + dateFact;  // read by its thread once closed
        ecrit = fermerFacture(sortie, fichierFacture, canaux.messages);
        if (avecJournal) {
            complet = fermerJournal(journal, fichierJournal, ecrit, canaux.messages) && complet;
        }
    } else if (formats.csv) {
        std::remove(fichierJournal.c_str());  // no journal of a text that was not written
    }
    entree.close();
    if (!formats.pdf) return ecrit && complet;
    return terminerPdf(pdf, fichierPdf, ecrit, canaux.messages) && complet;
}
