#include "calendrier/calendrier.hpp"

namespace {

bool bissextile(long annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

constexpr int joursDuMois[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

long anneeDe(Jour jour) {
    return jour / 10000;
}
long moisDe(Jour jour) {
    return jour / 100 % 100;
}
long quantiemeDe(Jour jour) {
    return jour % 100;
}

// Two digits, or four for the year, with their zeros.
std::string chiffresDe(long valeur, std::size_t n) {
    std::string texte(n, '0');
    for (std::size_t i = n; i-- > 0; valeur /= 10) texte[i] = static_cast<char>('0' + valeur % 10);
    return texte;
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
    if (annee == 0 || mois < 1 || mois > 12 || jour < 1) return std::nullopt;
    const Jour dernier = dernierDuMois(annee, mois);
    if (jour > quantiemeDe(dernier)) return std::nullopt;
    return jourDe(annee, mois, jour);
}

Jour dernierDuMois(long an, long mo) {
    return jourDe(an, mo, joursDuMois[mo - 1] + (mo == 2 && bissextile(an) ? 1 : 0));
}

std::string dateDe(Jour jour) {
    return chiffresDe(quantiemeDe(jour), 2) + "-" + chiffresDe(moisDe(jour), 2) + "-" +
           chiffresDe(anneeDe(jour), 4);
}

Jour finDuMois(Jour jour) {
    return dernierDuMois(anneeDe(jour), moisDe(jour));
}

Jour finDeLAnnee(Jour jour) {
    return jourDe(anneeDe(jour), 12, 31);
}

Jour lendemain(Jour jour) {
    const long an = anneeDe(jour);
    const long mo = moisDe(jour);
    if (jour < dernierDuMois(an, mo)) return jour + 1;
    return mo < 12 ? jourDe(an, mo + 1, 1) : jourDe(an + 1, 1, 1);
}
