#include "report/plan_pdf.hpp"

#include "report/facture.hpp"
#include "report/sommaire.hpp"
#include "util/windows1252.hpp"

namespace {

bool commencePar(std::string_view texte, std::string_view debut) {
    return texte.substr(0, debut.size()) == debut;
}

std::string_view sansBlancs(std::string_view texte) {
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') + 1 - debut);
}

}  // namespace

// Every page's first line is looked at: its first byte is enough for most.
Entree debutEntree(std::string_view ligne, std::string_view magasin, std::string& titre) {
    if (commencePar(ligne, magasin)) {
        // After the name, which may hold the label's words itself.
        const std::size_t numero = ligne.find(etiquetteNoFacture, magasin.size());
        if (numero == std::string_view::npos) return Entree::Aucune;
        titre.assign("Facture ")
            .append(sansBlancs(ligne.substr(numero + etiquetteNoFacture.size())));
        return Entree::Facture;
    }
    if (ligne.front() != ' ') return Entree::Aucune;  // a page opens on a line with text
    const std::string_view texte = sansBlancs(ligne);
    if (commencePar(texte, titreSommaire)) {
        titre.assign("Sommaire du ").append(sansBlancs(texte.substr(titreSommaire.size())));
        return Entree::Sommaire;
    }
    return Entree::Aucune;
}

bool ajouterClient(std::string_view ligne, std::string& titre) {
    if (ligne.front() != etiquetteClient.front() || !commencePar(ligne, etiquetteClient)) {
        return false;
    }
    // The number, then the names after the blanks that fill its field.
    const std::string_view reste = ligne.substr(etiquetteClient.size());
    const std::size_t fin = std::min(reste.find(' '), reste.size());
    titre.append(" - client ").append(reste.substr(0, fin));
    const std::string_view noms = sansBlancs(reste.substr(fin));
    if (!noms.empty()) titre.append(" ").append(noms);
    return true;
}

std::string titreUtf16(std::string_view titre) {
    constexpr char hex[] = "0123456789ABCDEF";
    std::string resultat = "<FEFF";
    for (const char c : titre) {
        char32_t u = caractereWindows1252(static_cast<unsigned char>(c));
        if (u == 0) u = 0xFFFD;
        for (int decalage = 12; decalage >= 0; decalage -= 4)
            resultat += hex[(u >> decalage) & 0xF];
    }
    return resultat + ">";
}
