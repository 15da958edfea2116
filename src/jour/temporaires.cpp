#include "jour/temporaires.hpp"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "util/console.hpp"

namespace {

constexpr std::string_view prefixeTemporaire = ".facturation-temp-";

}  // namespace

std::string nomTemporaire(const std::string& dossier) {
    static std::atomic<unsigned long> suivant{0};
    const std::string nom = std::string(prefixeTemporaire) +
                            std::to_string(numeroProcessus()) + "-" + std::to_string(++suivant);
    return dossier == "." ? nom : (std::filesystem::path(dossier) / nom).string();
}

void nettoyerTemporaires(const std::string& dossier) {
    namespace fs = std::filesystem;
    std::error_code code;
    // GCOVR_EXCL_BR_START: the folder read, or not, as a whole
    for (fs::directory_iterator entree(dossier, code), fin; !code && entree != fin;
         entree.increment(code)) {
        // GCOVR_EXCL_BR_STOP
        const std::string nom = entree->path().filename().string();
        if (nom.compare(0, prefixeTemporaire.size(), prefixeTemporaire) != 0) continue;
        // .facturation-temp-<process>-<count>
        char* suite = nullptr;
        const long processus = std::strtol(nom.c_str() + prefixeTemporaire.size(), &suite, 10);
        std::error_code etat;
        if (*suite != '-' || processus <= 0 || !entree->is_regular_file(etat)) continue;
        if (processus == numeroProcessus() || !processusVivant(processus)) {
            retirerFichier(entree->path().string());
        }
    }
}
