#include "util/fichier_entree.hpp"

std::string leFichier(const std::string& nomFichier) {
    return "le fichier \"" + nomFichier + "\"";
}

void signalerAbsent(std::ostream& messages, const std::string& nomFichier) {
    messages << leFichier(nomFichier) + " est absent\n";
}

bool fluxVide(std::istream& flux) {
    return flux.peek() == std::char_traits<char>::eof();
}

bool ouvrirFichierEntree(std::ifstream& flux, std::string nomFichier, std::ostream& messages) {
    flux.open(nomFichier);
    if (flux.is_open() && fluxVide(flux) && !flux.bad()) {
        messages << leFichier(nomFichier) + " est vide\n";
        flux.close();
        return false;
    }
    // A name that opens but cannot be read (a directory) is as good as absent.
    if (!flux.is_open() || flux.bad()) {
        signalerAbsent(messages, nomFichier);
        flux.close();
        return false;
    }
    return true;
}
