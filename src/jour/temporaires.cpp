#include "jour/temporaires.hpp"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "util/console.hpp"

namespace {

constexpr std::string_view prefixeTemporaire = ".facturation-temp-";

// The last names made, for an interruption to remove: a run has at most two days' files
// unfinished at once, four each. Removing one already put in place, or already gone, does
// nothing: no name is made twice.
constexpr std::size_t nbRetenus = 16;
constexpr std::size_t longueurNom = 128;
char retenus[nbRetenus][longueurNom] = {};
std::atomic<unsigned long> suivant{0};

// GCOVR_EXCL_START: run as the signal ends the program, which then writes no counts
void retirerRetenus() {
    for (const char* nom : retenus) {
        if (nom[0] != '\0') retirerFichier(nom);
    }
}
// GCOVR_EXCL_STOP

}  // namespace

std::string nomTemporaire() {
    const unsigned long numero = ++suivant;
    const std::string nom = std::string(prefixeTemporaire) + std::to_string(numeroProcessus()) +
                            "-" + std::to_string(numero);
    if (numero == 1) siInterrompu(retirerRetenus);
    // GCOVR_EXCL_BR_START: a count and a process number are far shorter
    if (nom.size() < longueurNom) {
        // GCOVR_EXCL_BR_STOP
        char* const retenu = retenus[numero % nbRetenus];
        retenu[0] = '\0';  // never half a name
        std::memcpy(retenu + 1, nom.c_str() + 1, nom.size());
        retenu[0] = nom[0];
    }
    return nom;
}

void nettoyerTemporaires() {
    namespace fs = std::filesystem;
    std::error_code code;
    // GCOVR_EXCL_BR_START: the folder read, or not, as a whole
    for (fs::directory_iterator entree(".", code), fin; !code && entree != fin;
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
