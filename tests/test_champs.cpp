// The amount formatter against the stream's own fixed two-decimal output.
#include <gtest/gtest.h>

#include <cstring>
#include <iomanip>
#include <random>
#include <sstream>

#include "report/champs.hpp"

TEST(Champs, montantsCommeLeFluxLesEcrirait) {
    std::mt19937 hasard(2012);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> centimes(-2000000, 2000000);
    for (int i = 0; i < 200000; ++i) {
        float valeur = static_cast<float>(centimes(hasard)) / 8.0f;  // many exact ties
        if (i == 0) {
            valeur = -0.0f;  // -0.00: what a quantity of 0 at a negative price costs
        } else if (i % 2 == 0) {
            const std::uint32_t motif = bits(hasard);  // any float: tiny, huge, inf, NaN
            std::memcpy(&valeur, &motif, sizeof valeur);
        }
        std::ostringstream flux;
        flux << std::fixed << std::setprecision(2) << std::setw(12) << valeur;
        Bloc texte = commencerBloc(tailleNombre);
        ajouterMontant(texte, valeur, 12);
        ASSERT_EQ(flux.str(), std::string(texte.debut, texte.fin)) << valeur;
    }
}
