#include "report/reperes.hpp"

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

std::string titreFacture(long long noFacture, int noClient, std::string_view prenom,
                         std::string_view nom) {
    std::string titre =
        "Facture " + std::to_string(noFacture) + " - client " + std::to_string(noClient) + " ";
    return titre.append(prenom).append(" ").append(nom);
}

std::string titreDuSommaire(std::string_view dateFact) {
    return std::string("Sommaire du ").append(dateFact);
}
