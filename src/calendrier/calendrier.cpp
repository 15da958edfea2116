#include "calendrier/calendrier.hpp"

namespace {

bool bissextile(long annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

bool chiffres(const std::string& texte, std::size_t debut, std::size_t n) {
    for (std::size_t i = debut; i < debut + n; ++i) {
        if (texte[i] < '0' || texte[i] > '9') return false;
    }
    return true;
}

}  // namespace

std::string dateIso(const std::string& date) {
    if (!jourDe(date)) return date;
    return date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2);
}

std::optional<Jour> jourDe(const std::string& date) {
    constexpr std::size_t longueur = 10;  // JJ-MM-AAAA
    if (date.size() != longueur || date[2] != '-' || date[5] != '-' || !chiffres(date, 0, 2) ||
        !chiffres(date, 3, 2) || !chiffres(date, 6, 4)) {
        return std::nullopt;
    }
    const long jour = std::stol(date.substr(0, 2));
    const long mois = std::stol(date.substr(3, 2));
    const long annee = std::stol(date.substr(6, 4));
    constexpr int joursDuMois[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (annee == 0 || mois < 1 || mois > 12 || jour < 1) return std::nullopt;
    const long dernier = joursDuMois[mois - 1] + (mois == 2 && bissextile(annee) ? 1 : 0);
    if (jour > dernier) return std::nullopt;
    return jourDe(annee, mois, jour);
}
