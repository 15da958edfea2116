#include "jour/a_jour.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "calendrier/calendrier.hpp"
#include "jour/registre.hpp"
#include "util/casse.hpp"
#include "util/fichier_entree.hpp"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t longueurDate = 10;  // JJ-MM-AAAA

// Whether nom begins with debut and ends with fin, in either case.
bool sansCasse(std::string_view nom, std::string_view debut, std::string_view fin) {
    return nom.size() >= debut.size() + fin.size() &&
           memeMotSansCasse(nom.substr(0, debut.size()), debut) &&
           memeMotSansCasse(nom.substr(nom.size() - fin.size()), fin);
}

}  // namespace

std::string ligneDouteux(const std::string& nom) {
    return leFichier(nom) + " n'est pas facture : un fichier des ventes s'appelle vente" +
           "JJ-MM-AAAA.txt, d'un jour du calendrier\n";
}

std::vector<std::string> joursEnRetard(Formats formats, std::vector<std::string>& douteux) {
    const Registre registre = lireRegistre();
    std::vector<std::pair<Jour, std::string>> jours;
    std::error_code code;
    // GCOVR_EXCL_BR_START: the working directory read, or not, as a whole
    for (fs::directory_iterator entree(".", code), fin; !code && entree != fin;
         entree.increment(code)) {
        // GCOVR_EXCL_BR_STOP
        const std::string nom = entree->path().filename().string();
        if (!sansCasse(nom, prefixeVentes, suffixeVentes)) continue;
        const std::size_t longueur = prefixeVentes.size() + longueurDate + suffixeVentes.size();
        const std::string date = nom.substr(prefixeVentes.size(), longueurDate);
        const std::optional<Jour> jour = jourDe(date);
        if (nom.size() != longueur || nomVentes(date) != nom || !jour) {
            douteux.push_back(nom);
            continue;
        }
        std::error_code etat;
        IdentiteFichier ventes;
        if (!entree->is_regular_file(etat)) continue;
        // A file that cannot be examined is done, and its failure told, as any other.
        if (!identiteFichier(nom, ventes) || !estFait(registre, date, ventes, formats)) {
            jours.emplace_back(*jour, date);
        }
    }
    std::sort(jours.begin(), jours.end());
    std::sort(douteux.begin(), douteux.end());
    std::vector<std::string> dates;
    for (const auto& [jour, date] : jours) dates.push_back(date);
    return dates;
}
