#include "jour/registre.hpp"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "jour/temporaires.hpp"

namespace {

// The first line; a register of another form is not read (its days are done again).
constexpr const char* entete = "facturation-registre 1";

// A day's line: its date, the sales file's size, modification and change times, the count
// of invoices, then t, p and c for the text, the PDF and the journal made ("-": none).
std::string ligne(const std::string& date, const Trace& trace) {
    std::string sorties =
        std::string(trace.texte ? "t" : "") + (trace.pdf ? "p" : "") + (trace.journal ? "c" : "");
    return date + " " + std::to_string(trace.ventes.taille) + " " +
           std::to_string(trace.ventes.modifie) + " " + std::to_string(trace.ventes.change) + " " +
           std::to_string(trace.nbFactures) + " " + (sorties.empty() ? "-" : sorties) + "\n";
}

bool lireLigne(const std::string& texte, std::string& date, Trace& trace) {
    std::istringstream flux(texte);
    std::string sorties;
    if (!(flux >> date >> trace.ventes.taille >> trace.ventes.modifie >> trace.ventes.change >>
          trace.nbFactures >> sorties) ||
        sorties.find_first_not_of("tpc-") != std::string::npos) {
        return false;
    }
    trace.texte = sorties.find('t') != std::string::npos;
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
    if (fichier == nullptr) return {errno, std::generic_category()};
    const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
    std::error_code code;
    if ((std::fclose(fichier) != 0 || !ecrit)) code = {errno, std::generic_category()};
    if (!code) code = forcerFichier(temporaire);
    if (!code) code = remplacerFichier(temporaire, nomRegistre);
    if (!code) return forcerDossier(".");
    retirerFichier(temporaire);
    return code;
}
