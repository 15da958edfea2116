// Writes a valid sales file of N clients, the same for the same seed:
//   generer_ventes <clients> <seed> <file>
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: generer_ventes <clients> <seed> <file>\n");
        return 2;
    }
    const long clients = std::atol(argv[1]);
    std::mt19937 hasard(static_cast<unsigned>(std::atol(argv[2])));
    std::FILE* fichier = std::fopen(argv[3], "w");
    if (fichier == nullptr) return 1;
    const char* types[] = {"membre", "vip", "client", "membre", "Membre", "passant"};
    const char* prenoms[] = {"Jeanne", "Marc", "Lise", "Paul", "Rita", "Zoe"};
    const char* noms[] = {"Exemple", "Essai", "Modele", "Tremblay", "Gagnon", "Roy"};
    const char* articles[] = {"chemise", "pantalon", "manteau", "bas", "gants", "foulard"};
    const char drapeaux[] = {'s', 'n', 'n', 'S'};
    std::uniform_int_distribution<int> six(0, 5), quatre(0, 3), nombre(0, 8), quantite(1, 12);
    std::uniform_int_distribution<int> centimes(50, 50000);
    std::fprintf(fichier, "Ventes de la journee du 28-02-2012\n");
    for (long client = 0; client < clients; ++client) {
        const int nbArticle = nombre(hasard);
        std::fprintf(fichier, "%ld %s %s %s %d\n", 100 + client, prenoms[six(hasard)],
                     noms[six(hasard)], types[six(hasard)], nbArticle);
        for (int article = 0; article < nbArticle; ++article) {
            const int prix = centimes(hasard);
            std::fprintf(fichier, "%d %s %d %d.%02d %c\n", article + 1, articles[six(hasard)],
                         quantite(hasard), prix / 100, prix % 100, drapeaux[quatre(hasard)]);
        }
    }
    return std::fclose(fichier) == 0 ? 0 : 1;
}
