#include "jour/registre.hpp"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "jour/temporaires.hpp"

namespace {

// The first line; a register of another form is not read (its days are done again).
constexpr const char* entete = "facturation-registre 1";

// A day's line: its date, the sales file's size, modification and change times, the count
// of invoices, then p and c for the PDF and the journal made with the text ("-": neither).
std::string ligne(const std::string& date, const Trace& trace) {
    std::string sorties = std::string(trace.pdf ? "p" : "") + (trace.journal ? "c" : "");
    return date + " " + std::to_string(trace.ventes.taille) + " " +
           std::to_string(trace.ventes.modifie) + " " + std::to_string(trace.ventes.change) + " " +
           std::to_string(trace.nbFactures) + " " + (sorties.empty() ? "-" : sorties) + "\n";
}

bool lireLigne(const std::string& texte, std::string& date, Trace& trace) {
    std::istringstream flux(texte);
    std::string sorties;
    if (!(flux >> date >> trace.ventes.taille >> trace.ventes.modifie >> trace.ventes.change >>
          trace.nbFactures >> sorties) ||
        sorties.find_first_not_of("pc-") != std::string::npos) {
        return false;
    }
    trace.pdf = sorties.find('p') != std::string::npos;
    trace.journal = sorties.find('c') != std::string::npos;
    return true;
}

}  // namespace

Registre lireRegistre() {
    Registre registre;
    std::ifstream flux(nomRegistre, std::ios::binary);
    std::string texte;
    if (!std::getline(flux, texte) || texte != entete) return registre;
    while (std::getline(flux, texte)) {
        std::string date;
        Trace trace;
        if (lireLigne(texte, date, trace)) registre[date] = trace;
    }
    return registre;
}

std::error_code ecrireRegistre(const Registre& registre) {
    std::string texte = std::string(entete) + "\n";
    for (const auto& [date, trace] : registre) texte += ligne(date, trace);
    const std::string temporaire = nomTemporaire();
    std::FILE* fichier = std::fopen(temporaire.c_str(), "wb");
    // GCOVR_EXCL_BR_START: only limits on files and descriptors make these fail, and the
    // coverage build runs no case with limits
    if (fichier == nullptr) return {errno, std::generic_category()};
    const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
    std::error_code code;
    if (std::fclose(fichier) != 0 || !ecrit) code = {errno, std::generic_category()};
    // GCOVR_EXCL_BR_STOP
    if (!code) code = forcerFichier(temporaire);
    if (!code) code = remplacerFichier(temporaire, nomRegistre);
    if (code) {
        retirerFichier(temporaire);
        return code;
    }
    // A folder that cannot be flushed (some network shares) has been written all the same.
    forcerDossier(".");
    return {};
}
