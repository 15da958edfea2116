// Runs the built program as an operator meets it: in a temporary working directory, with
// standard input a pseudo-terminal, a pipe or a file.
#pragma once

#include <string>

// A temporary working directory, removed with everything in it at the end of the test.
struct Dossier {
    Dossier();
    ~Dossier();
    Dossier(const Dossier&) = delete;
    Dossier& operator=(const Dossier&) = delete;

    void ecrire(const std::string& nom, const std::string& contenu) const;
    std::string lire(const std::string& nom) const;
    bool existe(const std::string& nom) const;
    std::string chemin;
};

struct Resultat {
    std::string console;  // everything written to standard output
    int statut = -1;      // exit status, or -1 when the program had to be killed
};

// Standard input is a pipe holding `entree`, closed after it.
Resultat lancerAvecTube(const Dossier& dossier, const std::string& entree);
// Standard input is a file holding `entree`.
Resultat lancerAvecFichier(const Dossier& dossier, const std::string& entree);

// The program on a pseudo-terminal without echo or output processing, so the console bytes
// read back are exactly those the program wrote.
struct Terminal {
    explicit Terminal(const Dossier& dossier);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Waits until `texte` appears after what earlier calls waited for.
    bool attendre(const std::string& texte, int millisecondes = 5000);
    // Types `texte` as the operator would.
    void taper(const std::string& texte);
    // Reads for the given time; true when nothing new arrived.
    bool silence(int millisecondes);
    // Waits for the program to end; true when it did (statut then holds its status).
    bool fin(int millisecondes = 5000);

    std::string console;
    int statut = -1;

  private:
    bool lireUnPeu(int millisecondes);
    int maitre_ = -1;
    int pid_ = -1;
    std::size_t vu_ = 0;
};

// Byte-for-byte comparison; on a difference, shows the first differing line of each side
// with its neighbours, bytes outside printable ASCII escaped.
bool memesOctets(const std::string& attendu, const std::string& obtenu, std::string& rapport);
#define EXPECT_MEMES_OCTETS(attendu, obtenu)                                 \
    do {                                                                     \
        std::string rapport_;                                                \
        EXPECT_TRUE(memesOctets((attendu), (obtenu), rapport_)) << rapport_; \
    } while (0)
