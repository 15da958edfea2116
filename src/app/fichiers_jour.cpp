#include "app/fichiers_jour.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "util/fichier_entree.hpp"

Decision decider(Sorte sorte, EtatFichier fichier, EtatFichier texte, bool avecFactures) {
    if (sorte == Sorte::Texte) {
        if (!fichier.ouvert) return {false, Avis::NonCree, true};
        return fichier.complet ? Decision{} : Decision{false, Avis::Incomplet, true};
    }
    if (!fichier.demande) return {texte.ouvert, texte.ouvert ? Avis::Retire : Avis::Aucun, false};
    if (!texte.ouvert || !texte.complet) return {true, Avis::Aucun, false};
    if (!fichier.ouvert) return {true, Avis::NonCree, true};
    if (!fichier.complet) return {true, Avis::Incomplet, true};
    return {sorte == Sorte::Pdf && !avecFactures, Avis::Aucun, false};
}

bool appliquer(const Decision& decision, const std::string& fichier, std::ostream& messages) {
    // A file or a link goes (the link alone, not what it names); a pipe, a device or a
    // directory of that name stays what it is.
    std::error_code code;
    const std::filesystem::file_type type = std::filesystem::symlink_status(fichier, code).type();
    const bool present =
        type == std::filesystem::file_type::regular || type == std::filesystem::file_type::symlink;
    const bool retire = decision.retirer && present && std::remove(fichier.c_str()) == 0;
    const std::string nom = leFichier(fichier);
    if (decision.avis == Avis::NonCree) {
        messages << nom + " ne peut pas etre cree\n";
    } else if (decision.avis == Avis::Incomplet) {
        messages << "attention : " + nom + " est incomplet : l'ecriture a echoue" << std::endl;
    } else if (decision.avis == Avis::Retire && retire) {
        messages << nom + " est retire : il ne correspond plus aux factures\n";
    }
    return !decision.echec;
}
