#include "calcul/somme.hpp"

#include <cmath>

namespace {

// Far below what 128 bits hold (1.7 * 10^38): two sums within it add without wrapping.
constexpr double limiteDouble = 1e36;
const Centimes limite = static_cast<Centimes>(limiteDouble);

void borner(Somme& somme) {
    if (somme.centimes >= limite || somme.centimes <= -limite) somme.horsLimite = true;
    if (somme.horsLimite) somme.centimes = 0;
}

}  // namespace

void ajouter(Somme& somme, Centimes montant) {
    if (montant >= limite || montant <= -limite) somme.horsLimite = true;
    if (!somme.horsLimite) somme.centimes += montant;
    borner(somme);
}

void ajouter(Somme& somme, const Somme& autre) {
    somme.horsLimite = somme.horsLimite || autre.horsLimite;
    ajouter(somme, autre.centimes);
}

void ajouterImprime(Somme& somme, float montant) {
    // A float times 100 is exact in a double; the default rounding mode takes a tie to the
    // even integer, as the printers do.
    const double centimes = std::nearbyint(static_cast<double>(montant) * 100.0);
    if (!(std::fabs(centimes) < limiteDouble)) {  // NaN too
        somme.horsLimite = true;
        borner(somme);
        return;
    }
    // Nearly every amount fits 64 bits, whose conversion costs a fraction of 128 bits'.
    constexpr double limite64 = 0x1p62;
    ajouter(somme, std::fabs(centimes) < limite64 ? Centimes{static_cast<long long>(centimes)}
                                                  : static_cast<Centimes>(centimes));
}

void ajouter(FiguresFactures& figures, const FiguresFactures& autres) {
    figures.nbFactures += autres.nbFactures;
    ajouter(figures.avantRabais, autres.avantRabais);
    ajouter(figures.rabais, autres.rabais);
    ajouter(figures.sousTotal, autres.sousTotal);
    ajouter(figures.tps, autres.tps);
    ajouter(figures.tvq, autres.tvq);
    ajouter(figures.total, autres.total);
}

namespace {

// An invoice's amount as it prints: a float rounded as printed, cents as they are.
void ajouterMontant(Somme& somme, float montant) {
    ajouterImprime(somme, montant);
}
void ajouterMontant(Somme& somme, Centimes montant) {
    ajouter(somme, montant);
}

template <class FactureJour>
void ajouterFigures(FiguresFactures& figures, const FactureJour& facture) {
    figures.nbFactures += 1;
    ajouterMontant(figures.avantRabais, avantRabais(facture));
    ajouterMontant(figures.rabais, facture.rabaisFacture);
    ajouterMontant(figures.sousTotal, facture.sousTotalFacture);
    ajouterMontant(figures.tps, facture.tps);
    ajouterMontant(figures.tvq, facture.tvq);
    ajouterMontant(figures.total, facture.totalFacture);
}

}  // namespace

void ajouterFacture(FiguresFactures& figures, const Facture& facture) {
    ajouterFigures(figures, facture);
}

void ajouterFacture(FiguresFactures& figures, const FactureCentimes& facture) {
    ajouterFigures(figures, facture);
}
