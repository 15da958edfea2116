#include "util/fichier_entree.hpp"

#include <cerrno>
#include <filesystem>
#include <system_error>

std::string leFichier(const std::string& nomFichier) {
    return "le fichier \"" + nomFichier + "\"";
}

void signalerAbsent(std::ostream& messages, const std::string& nomFichier) {
    messages << leFichier(nomFichier) + " est absent\n";
}

std::string ligneIllisible(const std::string& nomFichier, const std::string& raison) {
    return leFichier(nomFichier) + " ne peut pas etre lu : " + raison + "\n";
}

std::string ligneIncomplet(const std::string& nomFichier) {
    return "attention : " + leFichier(nomFichier) + " est incomplet : l'ecriture a echoue\n";
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
    // A name that opens but cannot be read as a file (a directory) is as good as absent; a
    // file whose first read fails (a disk that fails) is told with the reason.
    const int raison = errno;
    std::error_code code;
    if (flux.is_open() && flux.bad() && !std::filesystem::is_directory(nomFichier, code)) {
        messages << ligneIllisible(nomFichier, std::system_category().message(raison));
        flux.close();
        return false;
    }
    if (!flux.is_open() || flux.bad()) {
        signalerAbsent(messages, nomFichier);
        flux.close();
        return false;
    }
    return true;
}
