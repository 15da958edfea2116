// The calendar: the days a date JJ-MM-AAAA may name, and the period a day falls in.
#pragma once

#include <optional>
#include <string>
#include <vector>

// A calendar day as one number, AAAAMMJJ: days compare as their numbers do.
using Jour = long;

// The day of a date written JJ-MM-AAAA, if it is a day of the calendar (Gregorian, from the
// year 1).
std::optional<Jour> jourDe(const std::string& date);

// The date written AAAA-MM-JJ, as a spreadsheet in any language reads a date, when it is a
// JJ-MM-AAAA day of the calendar; as it stands otherwise.
std::string dateIso(const std::string& date);

// The date of a day, written JJ-MM-AAAA.
std::string dateDe(Jour jour);

// The day after jour, the last day of a month (1 to 12) of a year, and the last day of
// jour's month and of its year.
Jour lendemain(Jour jour);
Jour dernierDuMois(long annee, long mois);
Jour finDuMois(Jour jour);
Jour finDeLAnnee(Jour jour);

// The day of a year, month and day, as the settings' dates give them.
constexpr Jour jourDe(long annee, long mois, long jour) {
    return annee * 10000 + mois * 100 + jour;
}

// The last of periodes (sorted by their member depuis, the day each begins) begun on or
// before jour; null when jour comes before them all.
template <class Periode>
const Periode* periodeDe(const std::vector<Periode>& periodes, Jour jour) {
    const Periode* trouvee = nullptr;
    for (const Periode& periode : periodes) {
        if (periode.depuis > jour) break;
        trouvee = &periode;
    }
    return trouvee;
}
