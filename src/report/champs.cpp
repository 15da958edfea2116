#include "champs.hpp"

#include <charconv>
#include <cmath>
#include <ios>

void ajouterChamp(std::string& texte, std::string_view valeur, int largeur, Cadrage cadrage) {
    const std::size_t champ = static_cast<std::size_t>(largeur);
    const std::size_t manque = valeur.size() < champ ? champ - valeur.size() : 0;
    if (cadrage == Cadrage::Droite) texte.append(manque, ' ');
    texte.append(valeur);
    if (cadrage == Cadrage::Gauche) texte.append(manque, ' ');
}

// A float times 100 is exact in a double (24 bits times 7), so rounding that product to
// an integer in the default mode (to nearest, ties to even) gives the cents the stream
// would print, at a fraction of the cost of a general fixed-point conversion.
void ajouterMontant(std::string& texte, float valeur, int largeur) {
    char chiffres[64];  // the largest float has 39 digits before the point
    char* fin = chiffres;
    const double centimes = static_cast<double>(valeur) * 100.0;
    if (std::fabs(centimes) < 1e18) {
        const long long arrondi = std::llrint(centimes);
        const long long absolu = arrondi < 0 ? -arrondi : arrondi;
        if (std::signbit(valeur)) *fin++ = '-';  // -0.001 prints -0.00, as the stream does
        fin = std::to_chars(fin, chiffres + sizeof chiffres, absolu / 100).ptr;
        *fin++ = '.';
        *fin++ = static_cast<char>('0' + absolu % 100 / 10);
        *fin++ = static_cast<char>('0' + absolu % 10);
    } else {  // beyond 10^16 dollars, infinities and NaN
        fin = std::to_chars(chiffres, chiffres + sizeof chiffres, static_cast<double>(valeur),
                            std::chars_format::fixed, 2)
                  .ptr;
    }
    ajouterChamp(texte, std::string_view(chiffres, static_cast<std::size_t>(fin - chiffres)),
                 largeur, Cadrage::Droite);
}

void ajouterEntier(std::string& texte, long long valeur, int largeur, Cadrage cadrage) {
    char chiffres[24];
    const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, valeur);
    ajouterChamp(texte, std::string_view(chiffres, static_cast<std::size_t>(fin.ptr - chiffres)),
                 largeur, cadrage);
}

void ajouterTotal(std::string& texte, std::string_view libelle, int largeurLibelle, float valeur,
                  int largeurMontant, std::string_view fin) {
    ajouterChamp(texte, libelle, largeurLibelle, Cadrage::Droite);
    ajouterMontant(texte, valeur, largeurMontant);
    texte.append(fin);
}

void ecrireBloc(std::ostream& flux, const std::string& texte, Cadrage cadrage) {
    flux.setf(std::ios_base::fixed, std::ios_base::floatfield);
    flux.precision(2);
    flux.setf(cadrage == Cadrage::Gauche ? std::ios_base::left : std::ios_base::right,
              std::ios_base::adjustfield);
    flux.width(0);
    flux.write(texte.data(), static_cast<std::streamsize>(texte.size()));
}
