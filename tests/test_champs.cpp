// The amount formatter against the stream's own fixed two-decimal output, and the item line
// (its usual fast path and its general one) against the line the stream's manipulators write.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

#include "calcul/somme.hpp"
#include "report/champs.hpp"
#include "report/facture.hpp"

namespace {

// Every other amount of eighths of a cent (many exact ties), every other one any float: tiny,
// huge, inf, NaN.
float montantAuHasard(std::mt19937& hasard, int i) {
    std::uniform_int_distribution<int> centimes(-16000000, 16000000);
    float valeur = static_cast<float>(centimes(hasard)) / 8.0f;
    if (i % 2 == 0) {
        const std::uint32_t motif = std::uniform_int_distribution<std::uint32_t>()(hasard);
        std::memcpy(&valeur, &motif, sizeof valeur);
    }
    return valeur;
}

}  // namespace

TEST(Champs, montantsCommeLeFluxLesEcrirait) {
    std::mt19937 hasard(2012);
    std::vector<char> memoire;
    for (int i = 0; i < 200000; ++i) {
        // -0.00 first: what a quantity of 0 at a negative price costs.
        const float valeur = i == 0 ? -0.0f : montantAuHasard(hasard, i);
        const int largeur = i % 18;  // too narrow for any amount, up to past the short path
        std::ostringstream flux;
        flux << std::fixed << std::setprecision(2) << std::setw(largeur) << valeur;
        Bloc texte = commencerBloc(memoire, static_cast<std::size_t>(largeur) + tailleNombre);
        ajouterMontant(texte, valeur, largeur);
        ASSERT_EQ(flux.str(), std::string(texte.debut, texte.fin)) << valeur;
        std::ostringstream ligne, attendu;
        const std::string description(static_cast<std::size_t>(i % 17), 'd');
        ecrireLigneFacture(ligne, i * 997, description, i % 13, valeur, valeur, "sn"[i % 2],
                           i % 26, valeur);
        attendu << std::fixed << std::setprecision(2) << "    " << std::left << std::setw(8)
                << i * 997 << std::setw(14) << description << i % 13 << std::right << std::setw(9)
                << valeur << '$' << std::setw(9) << valeur << '$' << std::setw(9)
                << (i % 2 == 0 ? "oui" : "non") << std::setw(9) << i % 26 << '%' << std::setw(8)
                << valeur << "$\n";
        ASSERT_EQ(ligne.str(), attendu.str()) << valeur;
    }
}

// A period's report adds each amount as the printer writes it: the cents it adds print as the
// float does, ties to the even cent included; what prints as no number, or is beyond any
// count, makes the sum out of reach for good, never a made-up figure.
TEST(Champs, sommesDesMontantsImprimes) {
    std::mt19937 hasard(2013);
    std::vector<char> memoire;
    for (int i = 0; i < 200000; ++i) {
        const float valeur = montantAuHasard(hasard, i);
        Somme somme;
        ajouterImprime(somme, valeur);
        if (!std::isfinite(valeur) || std::fabs(valeur) >= 1e34f) {
            ASSERT_TRUE(somme.horsLimite) << valeur;
            continue;
        }
        ASSERT_FALSE(somme.horsLimite) << valeur;
        Bloc imprime = commencerBloc(memoire, 2 * tailleNombre);
        ajouterMontant(imprime, valeur, 0);
        const std::string attendu(imprime.debut, imprime.fin);
        Bloc ajoute = commencerBloc(memoire, 2 * tailleNombre);
        ajouterMontant(ajoute, somme.centimes, 0);
        ASSERT_EQ(attendu == "-0.00" ? "0.00" : attendu, std::string(ajoute.debut, ajoute.fin));
    }
    Somme somme;
    for (int i = 0; i < 3; ++i) ajouterImprime(somme, 0.015f);  // each prints 0.01
    EXPECT_TRUE(somme.centimes == 3);
    ajouterImprime(somme, std::numeric_limits<float>::infinity());
    ajouterImprime(somme, 1.0f);
    EXPECT_TRUE(somme.horsLimite);
    for (const Centimes signe : {1, -1}) {
        Somme grande;
        for (int i = 0; i < 2; ++i) ajouter(grande, signe * 6 * static_cast<Centimes>(1e35));
        EXPECT_TRUE(grande.horsLimite);  // each within reach, their sum not
        Somme seule;
        ajouter(seule, signe * 2 * static_cast<Centimes>(1e36));
        EXPECT_TRUE(seule.horsLimite && seule.centimes == 0);
    }
}

// A block checks its room in every build: a byte too many stops the program, whichever
// append brings it; the exact room is enough.
TEST(Champs, blocTropLongArrete) {
    std::vector<char> memoire;
    const auto remplir = [&memoire](std::size_t place) {
        Bloc texte = commencerBloc(memoire, place);
        ajouterChamp(texte, "ab", 3, Cadrage::Gauche);
        ajouterMontant(texte, -1.5f, 6);
        ajouterEntier(texte, 42, 5, Cadrage::Droite);
        return std::string(texte.debut, texte.fin);
    };
    EXPECT_EQ(remplir(14), "ab  -1.50   42");
    for (std::size_t place = 0; place < 14; ++place) {
        EXPECT_DEATH(remplir(place), "longer than its room") << place;
    }
}

// Cents keep every digit, beyond 64 bits too, and print as an exact float does.
TEST(Champs, centimesDeToutesTailles) {
    std::vector<char> memoire;
    const auto texte = [&memoire](Centimes valeur, int largeur) {
        Bloc bloc = commencerBloc(memoire, tailleNombre + static_cast<std::size_t>(largeur));
        ajouterMontant(bloc, valeur, largeur);
        return std::string(bloc.debut, bloc.fin);
    };
    EXPECT_EQ(texte(0, 6), "  0.00");
    EXPECT_EQ(texte(-5, 6), " -0.05");
    const Centimes milliard = 1000000000000000000LL;
    EXPECT_EQ(texte(milliard * milliard + 7, 0), "1" + std::string(34, '0') + ".07");
    const Centimes plusPetit =
        -(milliard * milliard * 170) - 141183460469231731LL * milliard - 687303715884105728LL;
    EXPECT_EQ(texte(plusPetit, 0), "-1701411834604692317316873037158841057.28");
    // Where a float is exact (quarters of a dollar), its text is that of its cents.
    for (int quarts = -40000; quarts < (1 << 24); quarts += 997) {
        std::vector<char> enReel;
        Bloc bloc = commencerBloc(enReel, tailleNombre + 12);
        ajouterMontant(bloc, static_cast<float>(quarts) / 4.0f, 12);
        ASSERT_EQ(std::string(bloc.debut, bloc.fin), texte(Centimes{quarts} * 25, 12));
    }
}
