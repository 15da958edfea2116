#include "app/arguments.hpp"

#include <optional>

#include "calendrier/calendrier.hpp"

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
const std::string optionFacture = "--facture";
const std::string optionBilan = "--bilan";
constexpr std::size_t tailleJour = 10;  // JJ-MM-AAAA
const std::string formesBilan =
    "--bilan demande un mois MM-AAAA, une annee AAAA ou deux jours JJ-MM-AAAA";

// The word an option takes: after its "=", or the next one (i moves past it).
bool valeurOption(const std::string& option, const std::string& mot, int argc,
                  const char* const argv[], int& i, std::string& valeur) {
    if (mot.size() > option.size()) {
        valeur = mot.substr(option.size() + 1);
    } else if (i + 1 < argc) {
        valeur = argv[++i];
    }
    return !valeur.empty();
}

bool estOption(const std::string& mot, const std::string& option) {
    return mot == option || mot.rfind(option + "=", 0) == 0;
}

// An invoice number as its head shows it: digits, at most 18.
bool lireNumero(const std::string& texte, long long& numero) {
    constexpr std::size_t chiffresMax = 18;
    if (texte.empty() || texte.size() > chiffresMax) return false;
    numero = 0;
    for (const char c : texte) {
        if (c < '0' || c > '9') return false;
        numero = numero * 10 + (c - '0');
    }
    return true;
}

// The range a report's words name: a month MM-AAAA, a year AAAA, or the days premier and
// second (JJ-MM-AAAA; second empty otherwise); false, with erreur, when they name none.
bool lireBilan(const std::string& premier, const std::string& second, Arguments& arguments,
               std::string& erreur) {
    constexpr std::size_t tailleAnnee = 4;  // AAAA
    if (premier.size() != tailleJour) {
        const bool annee = premier.size() == tailleAnnee;
        const std::optional<Jour> jour = jourDe((annee ? "01-01-" : "01-") + premier);
        if (!jour || !second.empty()) {
            erreur = formesBilan;
            return false;
        }
        arguments.debutBilan = dateDe(*jour);
        arguments.finBilan = dateDe(annee ? finDeLAnnee(*jour) : finDuMois(*jour));
        return true;
    }
    if (second.empty()) {
        erreur = formesBilan;
        return false;
    }
    for (const std::string* date : {&premier, &second}) {
        if (!jourDe(*date)) {
            erreur = "--bilan : " + *date + " n'est pas un jour du calendrier";
            return false;
        }
    }
    if (*jourDe(second) < *jourDe(premier)) {
        erreur = "--bilan : la periode finit le " + second + ", avant de commencer le " + premier;
        return false;
    }
    arguments.debutBilan = premier;
    arguments.finBilan = second;
    return true;
}

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
        } else if (estOption(mot, optionMagasin)) {
            if (!valeurOption(optionMagasin, mot, argc, argv, i, arguments.magasin) &&
                arguments.action == Action::Dialogue) {
                arguments.action = Action::Erreur;
                arguments.erreur = "--magasin demande un FICHIER";
            }
        } else if (estOption(mot, optionFacture)) {
            std::string numero;
            if ((!valeurOption(optionFacture, mot, argc, argv, i, numero) ||
                 !lireNumero(numero, arguments.noFacture)) &&
                arguments.action == Action::Dialogue) {
                arguments.action = Action::Erreur;
                arguments.erreur = "--facture demande le numero N d'une facture, comme 3";
            }
        } else if (estOption(mot, optionBilan)) {
            std::string premier;
            std::string second;
            valeurOption(optionBilan, mot, argc, argv, i, premier);
            // A range's first day: its last one is the next word.
            if (premier.size() == tailleJour && i + 1 < argc && argv[i + 1][0] != '-')
                second = argv[++i];
            std::string erreur;
            arguments.bilan = true;
            if (!lireBilan(premier, second, arguments, erreur) &&
                arguments.action == Action::Dialogue) {
                arguments.action = Action::Erreur;
                arguments.erreur = erreur;
            }
        } else if (arguments.action == Action::Dialogue) {
            arguments.action = actionDe(mot);
            if (arguments.action == Action::Erreur) arguments.erreur = "option inconnue : " + mot;
        }
    }
    if (arguments.action == Action::Dialogue && arguments.bilan) {
        const bool seul = arguments.dates.empty() && !arguments.aJour && arguments.noFacture < 0 &&
                          !arguments.pdf;
        arguments.action = seul ? Action::Bilan : Action::Erreur;
        arguments.erreur = "--bilan ne va pas avec des DATE, --a-jour, --facture ni --pdf";
    } else if (arguments.action == Action::Dialogue && arguments.noFacture >= 0) {
        const bool seule = arguments.dates.size() == 1 && !arguments.csv && !arguments.aJour;
        arguments.action = seule ? Action::Facture : Action::Erreur;
        arguments.erreur = "--facture N prend une DATE, sans --csv ni --a-jour";
    } else if (arguments.action == Action::Dialogue && arguments.aJour) {
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
            "Avec --facture N et une DATE, imprime de nouveau la seule facture N de la\n"
            "journee, dans \"facture <DATE> no <N>.txt\" (avec --pdf, .pdf).\n"
            "Avec --bilan, ecrit le bilan d'une periode pour la declaration de TPS et de\n"
            "TVQ, \"bilan <DEBUT> au <FIN>.txt\" : chaque journee, ses totaux, puis les\n"
            "lignes 101 (ventes sans les taxes), 103 (TPS) et 203 (TVQ) ; rien d'autre.\n"
            "\n"
            "      --pdf      ecrit aussi \"facture <DATE>.pdf\", une facture par page\n"
            "      --csv      ecrit aussi \"facture <DATE>.csv\", le journal du comptable (ses\n"
            "                 dates AAAA-MM-JJ, qu'un tableur lit comme des dates)\n"
            "      --magasin FICHIER\n"
            "                 lit les reglages du magasin dans FICHIER plutot que dans\n"
            "                 magasin.toml (nom, adresse, numeros de taxes, rabais, taxes\n"
            "                 de chaque periode, une au moins : factures du magasin, en\n"
            "                 cents exacts) ; sans l'un ni l'autre, ceux du programme,\n"
            "                 avec ses taxes de 2006\n"
            "      --facture N\n"
            "                 avec une DATE : la seule facture N de cette journee, d'apres\n"
            "                 son fichier des ventes ; rien d'autre n'est ecrit\n"
            "      --bilan MM-AAAA | AAAA | JJ-MM-AAAA JJ-MM-AAAA\n"
            "                 le bilan d'un mois, d'une annee ou des jours de l'un a\n"
            "                 l'autre (un trimestre) ; avec --csv, aussi en .csv ; la\n"
            "                 declaration se fait par mois, trimestre ou annee selon les\n"
            "                 ventes annuelles (plus de 6 M$, de 1,5 M$, sinon)\n"
            "      --a-jour   fait les journees en retard : celles qui n'ont pas ete faites\n"
            "                 d'apres vente<DATE>.txt tel qu'il est (avec --pdf, --csv :\n"
            "                 ou dont le PDF, le journal manque) ; sans DATE\n"
            "  -q, --quiet    avec des DATE, --a-jour ou --bilan, n'ecrit rien sur la sortie\n"
            "                 standard\n"
            "  -h, --help, /? affiche cette aide et termine\n"
            "  -V, --version  affiche la version et termine\n"
            "  --             termine les options (pour une date qui commence par -)\n"
            "\n"
            "Code de retour avec des DATE ou --a-jour : 0 si chaque journee a ete lue\n"
            "jusqu'au bout et ecrite en entier, 1 sinon, 2 si la ligne de commande est\n"
            "incorrecte ou les reglages du magasin inutilisables. Avec --bilan : 0 si\n"
            "chaque journee qui a un fichier des ventes est facturee d'apres lui, lue en\n"
            "entier et sans avertissement, 1 sinon.\n";
}

void ecrireVersion(std::ostream& flux) {
    flux << "facturation " FACTURATION_VERSION "\n";
}

void ecrireErreur(std::ostream& flux, const std::string& erreur) {
    flux << erreur + " (voir facturation --help)\n";
}
