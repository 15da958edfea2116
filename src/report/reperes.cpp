#include "report/reperes.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

void FileReperes::ajouter(Repere repere) {
    const std::lock_guard<std::mutex> garde(verrou_);
    reperes_.push_back(std::move(repere));
}

void FileReperes::retirerDepuis(std::uint64_t position) {
    const std::lock_guard<std::mutex> garde(verrou_);
    while (!reperes_.empty() && reperes_.back().position >= position) reperes_.pop_back();
}

void FileReperes::prendreTout(std::vector<Repere>& dans) {
    dans.clear();
    const std::lock_guard<std::mutex> garde(verrou_);
    dans.swap(reperes_);
}

Repere repereFacture(std::uint64_t position, std::size_t lignesEntete, long long noFacture,
                     int noClient, std::string_view prenom, std::string_view nom) {
    Repere repere{position, lignesEntete, true, noFacture, noClient, {}};
    repere.noms.reserve(prenom.size() + 1 + nom.size());
    repere.noms.append(prenom).append(1, ' ').append(nom);
    return repere;
}

Repere repereSommaire(std::uint64_t position, std::string_view dateFact) {
    return {position, 0, false, 0, 0, std::string(dateFact)};
}

// Its digits written in place, the string's room reused.
void titreDe(const Repere& repere, std::string& titre) {
    if (!repere.facture) {
        titre.assign("Sommaire du ").append(repere.noms);
        return;
    }
    constexpr std::string_view facture = "Facture ";
    constexpr std::string_view client = " - client ";
    constexpr std::size_t chiffres = 20;
    titre.resize(facture.size() + client.size() + 2 * chiffres + 1 + repere.noms.size());
    char* p = std::copy(facture.begin(), facture.end(), titre.data());
    p = std::to_chars(p, p + chiffres, repere.noFacture).ptr;
    p = std::copy(client.begin(), client.end(), p);
    p = std::to_chars(p, p + chiffres, repere.noClient).ptr;
    *p++ = ' ';
    p = std::copy(repere.noms.begin(), repere.noms.end(), p);
    titre.resize(static_cast<std::size_t>(p - titre.data()));
}
