#include "champs.hpp"

#include <charconv>
#include <ios>

namespace {

constexpr std::string_view blancs =
    "                                                                ";

void ecrireBlancs(std::ostream& flux, std::size_t nombre) {
    while (nombre > 0) {
        const std::size_t morceau = nombre < blancs.size() ? nombre : blancs.size();
        flux.write(blancs.data(), static_cast<std::streamsize>(morceau));
        nombre -= morceau;
    }
}

}  // namespace

Nombre montant(float valeur) {
    Nombre nombre{};
    const auto fin = std::to_chars(nombre.chiffres, nombre.chiffres + sizeof nombre.chiffres,
                                   static_cast<double>(valeur), std::chars_format::fixed, 2);
    nombre.taille = static_cast<std::size_t>(fin.ptr - nombre.chiffres);
    return nombre;
}

Nombre entier(long long valeur) {
    Nombre nombre{};
    const auto fin =
        std::to_chars(nombre.chiffres, nombre.chiffres + sizeof nombre.chiffres, valeur);
    nombre.taille = static_cast<std::size_t>(fin.ptr - nombre.chiffres);
    return nombre;
}

void ecrireChamp(std::ostream& flux, std::string_view texte, int largeur, Cadrage cadrage) {
    const std::size_t champ = static_cast<std::size_t>(largeur);
    const std::size_t manque = texte.size() < champ ? champ - texte.size() : 0;
    if (cadrage == Cadrage::Droite) ecrireBlancs(flux, manque);
    ecrireTexte(flux, texte);
    if (cadrage == Cadrage::Gauche) ecrireBlancs(flux, manque);
}

void ecrireTexte(std::ostream& flux, std::string_view texte) {
    flux.write(texte.data(), static_cast<std::streamsize>(texte.size()));
}

void reglerFlux(std::ostream& flux, Cadrage cadrage) {
    flux.setf(std::ios_base::fixed, std::ios_base::floatfield);
    flux.precision(2);
    flux.setf(cadrage == Cadrage::Gauche ? std::ios_base::left : std::ios_base::right,
              std::ios_base::adjustfield);
    flux.width(0);
}
