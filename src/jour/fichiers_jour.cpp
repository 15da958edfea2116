#include "jour/fichiers_jour.hpp"

#include <cstdio>
#include <system_error>

#include "calendrier/calendrier.hpp"
#include "jour/temporaires.hpp"
#include "util/fichier_entree.hpp"

namespace {

// Where the output nom is written: beside it, unless it stands as something other than a
// regular file, or as a file the user may not write (whose opening then fails as it did).
std::string nomEcrit(const std::string& nom) {
    const Nature nature = natureFichier(nom);
    if (nature == Nature::Absent) return nomTemporaire();
    if (nature == Nature::Autre) return nom;
    std::FILE* fichier = std::fopen(nom.c_str(), "r+b");  // neither created nor emptied
    if (fichier == nullptr) return nom;                   // GCOVR_EXCL_LINE: the tests run as root
    std::fclose(fichier);
    return nomTemporaire();
}

Sortie preparer(const std::string& nom, bool demande) {
    Sortie sortie{nom, "", {}};
    sortie.etat.demande = demande;
    if (demande) sortie.ecrit = nomEcrit(nom);
    return sortie;
}

}  // namespace

std::string nomVentes(const std::string& dateVente) {
    return std::string(prefixeVentes) + dateVente + std::string(suffixeVentes);
}

std::string nomFacture(const std::string& dateVente, const char* extension) {
    return "facture " + dateVente + extension;
}

Decision decider(Sorte sorte, EtatFichier fichier, EtatFichier texte, bool lu, bool avecFactures) {
    if (sorte == Sorte::Texte) {
        if (!fichier.ouvert) return {false, false, Avis::NonCree, true};
        if (!fichier.complet) return {false, false, Avis::Incomplet, true};
        return {lu, false, Avis::Aucun, !lu};
    }
    if (!texte.ouvert || !texte.complet || !lu) return {};
    if (!fichier.demande) return {false, true, Avis::Retire, false};
    if (!fichier.ouvert) return {false, true, Avis::NonCree, true};
    if (!fichier.complet) return {false, true, Avis::Incomplet, true};
    if (sorte == Sorte::Pdf && !avecFactures) return {false, true, Avis::Aucun, false};
    return {true, false, Avis::Aucun, false};
}

FichiersJour preparerFichiers(const std::string& dateVente, Formats formats,
                              const IdentiteFichier& ventes) {
    return {dateVente, ventes, preparer(nomFacture(dateVente, ".txt"), true),
            preparer(nomFacture(dateVente, ".pdf"), formats.pdf),
            preparer(nomFacture(dateVente, ".csv"), formats.csv)};
}

bool terminerFichiers(const FichiersJour& fichiers, bool lu, long long nbFactures,
                      Validation& validation, std::ostream& messages) {
    Engagement engagement;
    // Only a day of the calendar is looked for by the catch-up.
    if (jourDe(fichiers.dateVente)) engagement.date = fichiers.dateVente;
    engagement.trace = {fichiers.ventes, nbFactures, false, false};
    bool texteValide = false;  // the day is put in place with its text, or not at all
    bool reussi = true;
    const bool avecFactures = nbFactures > 0;
    const EtatFichier texte = fichiers.texte.etat;
    // In the order the messages have always come in: the text, the journal, the PDF.
    for (const auto& [sorte, sortie, fait] :
         {std::tuple{Sorte::Texte, &fichiers.texte, &texteValide},
          std::tuple{Sorte::Journal, &fichiers.journal, &engagement.trace.journal},
          std::tuple{Sorte::Pdf, &fichiers.pdf, &engagement.trace.pdf}}) {
        const Decision decision = decider(sorte, sortie->etat, texte, lu, avecFactures);
        const std::string nom = leFichier(sortie->nom);
        if (decision.avis == Avis::NonCree) {
            messages << nom + " ne peut pas etre cree\n";
        } else if (decision.avis == Avis::Incomplet) {
            messages << ligneIncomplet(sortie->nom) << std::flush;
        }
        reussi = reussi && !decision.echec;
        const bool temporaire = sortie->etat.demande && sortie->ecrit != sortie->nom;
        if (decision.valider && temporaire) {
            engagement.remplacements.push_back({sortie->ecrit, sortie->nom});
        } else if (temporaire) {
            retirerFichier(sortie->ecrit);
        }
        if (decision.retirer) {
            engagement.retraits.push_back({sortie->nom, decision.avis == Avis::Retire});
        }
        // A day without invoices has its PDF: none.
        *fait = decision.valider || (sorte == Sorte::Pdf && sortie->etat.demande &&
                                     decision.retirer && decision.avis == Avis::Aucun);
    }
    if (texteValide) validation.confier(std::move(engagement));
    return reussi;
}

Sortie preparerSortie(const std::string& nom) {
    return preparer(nom, true);
}

bool terminerSortie(const Sortie& sortie, bool complet, std::ostream& messages) {
    const bool temporaire = sortie.ecrit != sortie.nom;
    if (!complet) {
        messages << ligneIncomplet(sortie.nom) << std::flush;
        if (temporaire) retirerFichier(sortie.ecrit);
        return false;
    }
    if (!temporaire) return true;
    Engagement engagement;
    engagement.remplacements.push_back({sortie.ecrit, sortie.nom});
    const Compte compte = engager(engagement);
    messages << compte.messages << std::flush;
    return compte.reussi;
}

bool estFait(const Registre& registre, const std::string& dateVente, const IdentiteFichier& ventes,
             Formats formats) {
    const auto trace = registre.find(dateVente);
    if (trace == registre.end() || !(trace->second.ventes == ventes)) return false;
    const Trace& fait = trace->second;
    const auto present = [&](const char* extension) {
        return natureFichier(nomFacture(dateVente, extension)) != Nature::Absent;
    };
    return present(".txt") &&
           (!formats.pdf || (fait.pdf && (fait.nbFactures == 0 || present(".pdf")))) &&
           (!formats.csv || (fait.journal && present(".csv")));
}
