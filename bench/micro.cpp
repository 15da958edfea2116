// Micro benchmarks of the printers and of reading one item record.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "report/facture.hpp"
#include "report/sommaire.hpp"
#include "ventes/ventes.hpp"

namespace {

// Counts what it is given and keeps nothing, so only the formatting is timed.
class Neant : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void ligneFacture(benchmark::State& etat) {
    Neant neant;
    std::ostream flux(&neant);
    for (auto _ : etat) {
        ecrireLigneFacture(flux, 1, "chemise", 2, 19.99f, 39.98f, 's', 20, 31.984f);
    }
}
BENCHMARK(ligneFacture);

void factureEntiere(benchmark::State& etat) {
    Neant neant;
    std::ostream flux(&neant);
    for (auto _ : etat) {
        ecrireEnteteFacture(flux, 0, "28-02-2012", 101, "Jeanne", "Exemple");
        ecrireLigneFacture(flux, 1, "chemise", 2, 19.99f, 39.98f, 's', 20, 31.984f);
        ecrireLigneFacture(flux, 2, "pantalon", 1, 39.50f, 39.50f, 'n', 10, 35.55f);
        ecrirePiedFacture(flux, 67.534f, 4.05204f, 5.36895f, 76.95499f, 3, 11.946f);
    }
}
BENCHMARK(factureEntiere);

void lireUnArticle(benchmark::State& etat) {
    std::string texte;
    for (int i = 0; i < 10000; ++i) texte += "1 chemise 2 19.99 s\n";
    std::istringstream flux(texte);
    Lecteur entree = ouvrirLecteur(*flux.rdbuf());
    Article article;
    Arret arret;
    for (auto _ : etat) {
        if (!lireArticle(entree, article, arret)) {
            etat.PauseTiming();
            flux.clear();
            flux.seekg(0);
            entree = ouvrirLecteur(*flux.rdbuf());
            etat.ResumeTiming();
        }
    }
}
BENCHMARK(lireUnArticle);

// The scanner over a whole day in memory: head, clients and their items.
void lireJournee(benchmark::State& etat) {
    std::string texte = "Ventes de la journee du 28-02-2012\n";
    for (int i = 0; i < 10000; ++i) {
        texte += "101 Jeanne Exemple membre 2\n1 chemise 2 19.99 s\n2 pantalon 1 39.50 n\n";
    }
    for (auto _ : etat) {
        std::istringstream flux(texte);
        Lecteur entree = ouvrirLecteur(*flux.rdbuf());
        std::string dateFact;
        Client client;
        Article article;
        Arret arret;
        lireEntete(entree, dateFact);
        while (lireClient(entree, client, arret) == Lecture::Lu) {
            for (int i = 0; i < client.nbArticle; ++i) lireArticle(entree, article, arret);
        }
        benchmark::DoNotOptimize(article);
    }
    etat.SetBytesProcessed(etat.iterations() * static_cast<std::int64_t>(texte.size()));
}
BENCHMARK(lireJournee);

void sommaire(benchmark::State& etat) {
    Neant neant;
    std::ostream flux(&neant);
    for (auto _ : etat) {
        ecrireSommaire(flux, "28-02-2012", 3, 7, 212.23f, 36.58f, 24.5f, 200.15f, 1, 1, 1);
    }
}
BENCHMARK(sommaire);

}  // namespace

BENCHMARK_MAIN();
