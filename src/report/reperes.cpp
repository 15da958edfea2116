#include "report/reperes.hpp"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

void FileReperes::ajouter(Repere repere) {
    const std::lock_guard<std::mutex> garde(verrou_);
    reperes_.push_back(std::move(repere));
}

void FileReperes::retirerDepuis(std::uint64_t position) {
    const std::lock_guard<std::mutex> garde(verrou_);
    while (!reperes_.empty() && reperes_.back().position >= position) reperes_.pop_back();
}

void FileReperes::prendreTout(std::deque<Repere>& dans) {
    const std::lock_guard<std::mutex> garde(verrou_);
    std::move(reperes_.begin(), reperes_.end(), std::back_inserter(dans));
    reperes_.clear();
}

// Made once an invoice: its digits written in place, the string's room taken at once.
std::string titreFacture(long long noFacture, int noClient, std::string_view prenom,
                         std::string_view nom) {
    constexpr std::string_view facture = "Facture ";
    constexpr std::string_view client = " - client ";
    constexpr std::size_t chiffres = 20;
    std::string titre(
        facture.size() + client.size() + 2 * chiffres + 2 + prenom.size() + nom.size(), ' ');
    char* p = std::copy(facture.begin(), facture.end(), titre.data());
    p = std::to_chars(p, p + chiffres, noFacture).ptr;
    p = std::copy(client.begin(), client.end(), p);
    p = std::to_chars(p, p + chiffres, noClient).ptr;
    p = std::copy(prenom.begin(), prenom.end(), p + 1);
    p = std::copy(nom.begin(), nom.end(), p + 1);
    titre.resize(static_cast<std::size_t>(p - titre.data()));
    return titre;
}

std::string titreDuSommaire(std::string_view dateFact) {
    return std::string("Sommaire du ").append(dateFact);
}
