#include "app/arguments.hpp"

namespace {

// The options that decide what the run does, each spelling with its action.
struct OptionAction {
    const char* mot;
    Action action;
};
constexpr OptionAction optionsAction[] = {{"-h", Action::Aide},
                                          {"--help", Action::Aide},
                                          {"/?", Action::Aide},
                                          {"-V", Action::Version},
                                          {"--version", Action::Version}};

const std::string optionMagasin = "--magasin";

Action actionDe(const std::string& mot) {
    for (const OptionAction& option : optionsAction) {
        if (mot == option.mot) return option.action;
    }
    return Action::Erreur;
}

}  // namespace

Arguments lireArguments(int argc, const char* const argv[]) {
    Arguments arguments;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string mot = argv[i];
        const bool option = options && ((mot.size() >= 2 && mot[0] == '-') || mot == "/?");
        if (!option) {
            arguments.dates.push_back(mot);  // "-" alone is a date too
        } else if (mot == "--") {
            options = false;
        } else if (mot == "--pdf") {
            arguments.pdf = true;
        } else if (mot == "--csv") {
            arguments.csv = true;
        } else if (mot == "-q" || mot == "--quiet") {
            arguments.muet = true;
        } else if (mot == "--a-jour") {
            arguments.aJour = true;
        } else if (mot == optionMagasin || mot.rfind(optionMagasin + "=", 0) == 0) {
            const bool colle = mot.size() > optionMagasin.size();
            if (colle) {
                arguments.magasin = mot.substr(optionMagasin.size() + 1);
            } else if (i + 1 < argc) {
                arguments.magasin = argv[++i];
            }
            if (arguments.magasin.empty() && arguments.action == Action::Dialogue) {
                arguments.action = Action::Erreur;
                arguments.erreur = "--magasin demande un FICHIER";
            }
        } else if (arguments.action == Action::Dialogue) {
            arguments.action = actionDe(mot);
            if (arguments.action == Action::Erreur) arguments.erreur = "option inconnue : " + mot;
        }
    }
    if (arguments.action == Action::Dialogue && arguments.aJour) {
        arguments.action = arguments.dates.empty() ? Action::AJour : Action::Erreur;
        arguments.erreur = "--a-jour ne prend pas de DATE : il fait les journees en retard";
    } else if (arguments.action == Action::Dialogue && !arguments.dates.empty()) {
        arguments.action = Action::Dates;
    } else if (arguments.action == Action::Dialogue && arguments.muet) {
        arguments.action = Action::Erreur;
        arguments.erreur = "-q demande au moins une DATE : le dialogue ne peut pas etre muet";
    }
    return arguments;
}

void ecrireAide(std::ostream& flux) {
    flux << "Usage : facturation [OPTION]... [DATE]...\n"
            "Imprime les factures d'une journee du Magasin chez Mo-Tino : lit vente<DATE>.txt\n"
            "et ecrit \"facture <DATE>.txt\", dans le repertoire courant. DATE s'ecrit\n"
            "JJ-MM-AAAA, comme 28-02-2012.\n"
            "\n"
            "Sans DATE, demande la date au clavier, puis propose une autre journee.\n"
            "Avec des DATE, fait chaque journee dans l'ordre sans rien demander ; les dates\n"
            "impossibles et les avertissements vont sur la sortie d'erreur.\n"
            "Avec --a-jour, fait de meme chaque journee du repertoire dont le fichier des\n"
            "ventes a change depuis ses factures (ou qui n'en a pas), dans l'ordre des dates.\n"
            "\n"
            "      --pdf      ecrit aussi \"facture <DATE>.pdf\", une facture par page\n"
            "      --csv      ecrit aussi \"facture <DATE>.csv\", le journal du comptable\n"
            "      --magasin FICHIER\n"
            "                 lit les reglages du magasin dans FICHIER plutot que dans\n"
            "                 magasin.toml (nom, adresse, numeros de taxes, rabais, taxes\n"
            "                 de chaque periode) ; sans l'un ni l'autre, ceux du programme\n"
            "      --a-jour   fait les journees en retard : celles qui n'ont pas ete faites\n"
            "                 d'apres vente<DATE>.txt tel qu'il est (avec --pdf, --csv :\n"
            "                 ou dont le PDF, le journal manque) ; sans DATE\n"
            "  -q, --quiet    avec des DATE ou --a-jour, n'ecrit rien sur la sortie standard\n"
            "  -h, --help, /? affiche cette aide et termine\n"
            "  -V, --version  affiche la version et termine\n"
            "  --             termine les options (pour une date qui commence par -)\n"
            "\n"
            "Code de retour avec des DATE ou --a-jour : 0 si chaque journee a ete lue\n"
            "jusqu'au bout et ecrite en entier, 1 sinon, 2 si la ligne de commande est\n"
            "incorrecte ou les reglages du magasin inutilisables.\n";
}

void ecrireVersion(std::ostream& flux) {
    flux << "facturation " FACTURATION_VERSION "\n";
}

void ecrireErreur(std::ostream& flux, const std::string& erreur) {
    flux << erreur + " (voir facturation --help)\n";
}
