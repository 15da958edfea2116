#include "jour/a_jour.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "calendrier/calendrier.hpp"
#include "jour/registre.hpp"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t longueurDate = 10;  // JJ-MM-AAAA

}  // namespace

std::vector<std::string> joursEnRetard(Formats formats) {
    const Registre registre = lireRegistre();
    std::vector<std::pair<Jour, std::string>> jours;
    std::error_code code;
    // GCOVR_EXCL_BR_START: the working directory read, or not, as a whole
    for (fs::directory_iterator entree(".", code), fin; !code && entree != fin;
         entree.increment(code)) {
        // GCOVR_EXCL_BR_STOP
        const std::string nom = entree->path().filename().string();
        if (nom.size() != prefixeVentes.size() + longueurDate + suffixeVentes.size()) continue;
        const std::string date = nom.substr(prefixeVentes.size(), longueurDate);
        if (nomVentes(date) != nom) continue;
        const std::optional<Jour> jour = jourDe(date);
        std::error_code etat;
        IdentiteFichier ventes;
        if (!jour || !entree->is_regular_file(etat)) continue;
        // A file that cannot be examined is done, and its failure told, as any other.
        if (!identiteFichier(nom, ventes) || !estFait(registre, date, ventes, formats)) {
            jours.emplace_back(*jour, date);
        }
    }
    std::sort(jours.begin(), jours.end());
    std::vector<std::string> dates;
    for (const auto& [jour, date] : jours) dates.push_back(date);
    return dates;
}
