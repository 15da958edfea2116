#include "app/a_jour.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/magasin.hpp"
#include "app/rapport.hpp"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t longueurDate = 10;  // JJ-MM-AAAA

// A file written from the sales file after its last change: there, and not older.
bool aJour(const fs::path& fichier, fs::file_time_type ventes) {
    std::error_code code;
    const fs::file_time_type ecrit = fs::last_write_time(fichier, code);
    return !code && ecrit >= ventes;
}

bool enRetard(const fs::path& dossier, const std::string& date, fs::file_time_type ventes,
              bool pdf, bool csv) {
    const fs::path texte = dossier / nomFacture(date, ".txt");
    if (!aJour(texte, ventes)) return true;
    std::error_code code;
    const bool avecFactures = fs::file_size(texte, code) > 0 && !code;
    if (pdf && avecFactures && !aJour(dossier / nomFacture(date, ".pdf"), ventes)) return true;
    return csv && !aJour(dossier / nomFacture(date, ".csv"), ventes);
}

}  // namespace

std::vector<std::string> joursEnRetard(const std::string& dossier, bool pdf, bool csv) {
    std::vector<std::pair<Jour, std::string>> jours;
    std::error_code code;
    // GCOVR_EXCL_BR_START: the working directory read, or not, as a whole
    for (fs::directory_iterator entree(dossier, code), fin; !code && entree != fin;
         entree.increment(code)) {
        // GCOVR_EXCL_BR_STOP
        const std::string nom = entree->path().filename().string();
        if (nom.size() != prefixeVentes.size() + longueurDate + suffixeVentes.size()) continue;
        const std::string date = nom.substr(prefixeVentes.size(), longueurDate);
        if (nomVentes(date) != nom) continue;
        const std::optional<Jour> jour = jourDe(date);
        std::error_code etat;
        if (!jour || !entree->is_regular_file(etat)) continue;
        const fs::file_time_type ventes = fs::last_write_time(entree->path(), etat);
        // GCOVR_EXCL_BR_START: a file just listed has its time
        if (!etat && enRetard(dossier, date, ventes, pdf, csv)) jours.emplace_back(*jour, date);
        // GCOVR_EXCL_BR_STOP
    }
    std::sort(jours.begin(), jours.end());
    std::vector<std::string> dates;
    for (const auto& [jour, date] : jours) dates.push_back(date);
    return dates;
}
