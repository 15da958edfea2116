// Sums of amounts as the invoices print them, in cents, for a period's report: the figures a
// tax return takes from the invoices add up to the cent.
#pragma once

#include "calcul/centimes.hpp"

// A sum in cents. An amount that printed as no number (inf, nan) or one too large for the
// count makes it hors limite for good: no figure is then made up.
struct Somme {
    Centimes centimes = 0;
    bool horsLimite = false;
};

void ajouter(Somme& somme, Centimes montant);
void ajouter(Somme& somme, const Somme& autre);

// Adds a float amount as the invoices print it, rounded to the cent as the printers round it
// (an exact tie to the even cent).
void ajouterImprime(Somme& somme, float montant);

// A day's or a period's invoices, their count and the sums of their journal's figures.
struct FiguresFactures {
    long long nbFactures = 0;
    Somme avantRabais;
    Somme rabais;
    Somme sousTotal;
    Somme tps;
    Somme tvq;
    Somme total;
};

void ajouter(FiguresFactures& figures, const FiguresFactures& autres);

// One finished invoice, in floats (its figures rounded as printed) or in cents.
void ajouterFacture(FiguresFactures& figures, const Facture& facture);
void ajouterFacture(FiguresFactures& figures, const FactureCentimes& facture);
