#include "magasin/magasin.hpp"

#include <toml++/toml.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "util/fichier_entree.hpp"
#include "util/windows1252.hpp"

namespace {

// The limits of the settings' texts, in the invoice's columns.
constexpr std::size_t largeurNomMax = 60;
constexpr std::size_t largeurAdresseMax = 60;
constexpr std::size_t lignesAdresseMax = 5;
constexpr std::size_t largeurMerciMax = 71;
constexpr int rabaisMax = 100;
constexpr int tauxTaxeMax = 100;
// Settings are a page of text: a larger file is no store's.
constexpr std::size_t tailleMagasinMax = 1 << 20;

// The file being read: its name for the messages, its lines for the rates as written, and
// the first thing wrong found in it.
struct Lecture {
    const std::string& fichier;
    std::vector<std::string_view> lignes;
    std::string& erreur;
};

bool refuser(Lecture& lecture, const std::string& ligne, const std::string& quoi) {
    lecture.erreur = leFichier(lecture.fichier) + ", ligne " + ligne + " : " + quoi;
    return false;
}

bool refuser(Lecture& lecture, toml::source_index ligne, const std::string& quoi) {
    return refuser(lecture, std::to_string(ligne), quoi);
}

bool refuser(Lecture& lecture, const toml::node& noeud, const std::string& quoi) {
    return refuser(lecture, noeud.source().begin.line, quoi);
}

std::string cite(std::string_view cle) {
    return "\"" + std::string(cle) + "\"";
}

// Every key of table must be one of connues.
bool clesConnues(Lecture& lecture, const toml::table& table, std::string_view chemin,
                 std::initializer_list<std::string_view> connues) {
    for (auto&& [cle, valeur] : table) {
        if (std::find(connues.begin(), connues.end(), cle.str()) != connues.end()) continue;
        const std::string nom =
            chemin.empty() ? std::string(cle.str()) : std::string(chemin) + "." + std::string(cle);
        return refuser(lecture, cle.source().begin.line, "cle inconnue " + cite(nom));
    }
    return true;
}

const toml::table* sousTable(Lecture& lecture, const toml::node& noeud, std::string_view nom) {
    const toml::table* table = noeud.as_table();
    if (table == nullptr) refuser(lecture, noeud, cite(nom) + " doit etre une table");
    return table;
}

// A character the page cannot take: the C0 and C1 controls and DEL.
bool controle(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < utf8.size()) {
            const auto suite = static_cast<unsigned char>(utf8[i + 1]);
            if (suite >= 0x80 && suite <= 0x9F) return true;
        }
    }
    return false;
}

// A text of the settings in the store's bytes, as a sales file's words are read.
bool lireTexte(Lecture& lecture, const toml::node& noeud, std::string_view nom,
               std::string& texte) {
    const std::optional<std::string> valeur = noeud.value_exact<std::string>();
    if (!valeur)
        return refuser(lecture, noeud, cite(nom) + " doit etre un texte entre guillemets");
    if (controle(*valeur)) {
        return refuser(lecture, noeud, cite(nom) + " contient un caractere de controle");
    }
    texte = *valeur;
    texte.resize(utf8VersWindows1252(texte.data(), texte.size()));
    return true;
}

bool lireLargeur(Lecture& lecture, const toml::node& noeud, std::string_view nom,
                 std::size_t minimum, std::size_t maximum, std::string& texte) {
    if (!lireTexte(lecture, noeud, nom, texte)) return false;
    if (texte.size() >= minimum && texte.size() <= maximum) return true;
    return refuser(lecture, noeud,
                   cite(nom) + " doit avoir " +
                       (minimum == 0 ? "au plus " : "de " + std::to_string(minimum) + " a ") +
                       std::to_string(maximum) + " colonnes (il en a " +
                       std::to_string(texte.size()) + ")");
}

bool chiffres(std::string_view texte, std::size_t debut, std::size_t n) {
    if (texte.size() < debut + n) return false;
    return std::all_of(texte.begin() + static_cast<std::ptrdiff_t>(debut),
                       texte.begin() + static_cast<std::ptrdiff_t>(debut + n),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::size_t apresBlancs(std::string_view texte, std::size_t i) {
    while (i < texte.size() && texte[i] == ' ') ++i;
    return i;
}

// A registration number as Revenu Quebec prints it: nbChiffres digits, blanks or none, the
// program's two letters, blanks or none, four digits ("123456789 RT 0001"); kept as written.
bool lireNumero(Lecture& lecture, const toml::node& noeud, std::string_view nom,
                std::size_t nbChiffres, std::string_view lettres, std::string& numero) {
    if (!lireTexte(lecture, noeud, nom, numero)) return false;
    constexpr std::size_t chiffresCompte = 4;
    const std::size_t avantLettres = apresBlancs(numero, nbChiffres);
    const std::size_t compte = apresBlancs(numero, avantLettres + lettres.size());
    if (chiffres(numero, 0, nbChiffres) && numero.compare(avantLettres, 2, lettres) == 0 &&
        chiffres(numero, compte, chiffresCompte) && numero.size() == compte + chiffresCompte) {
        return true;
    }
    const std::string exemple =
        std::string(nbChiffres, '9') + " " + std::string(lettres) + " 0001";
    return refuser(lecture, noeud,
                   cite(nom) + " doit s'ecrire " + std::to_string(nbChiffres) + " chiffres, " +
                       std::string(lettres) + " et 4 chiffres, des blancs entre eux ou non, " +
                       "comme " + cite(exemple));
}

bool lireAdresse(Lecture& lecture, const toml::node& noeud, std::vector<std::string>& adresse) {
    const toml::array* lignes = noeud.as_array();
    if (lignes == nullptr || lignes->empty() || lignes->size() > lignesAdresseMax) {
        return refuser(lecture, noeud,
                       "\"adresse\" doit etre une liste de 1 a " +
                           std::to_string(lignesAdresseMax) + " lignes entre crochets");
    }
    adresse.clear();
    for (const toml::node& ligne : *lignes) {
        adresse.emplace_back();
        if (!lireLargeur(lecture, ligne, "adresse", 0, largeurAdresseMax, adresse.back())) {
            return false;
        }
    }
    return true;
}

bool lireIdentite(Lecture& lecture, const toml::table& table, Identite& identite) {
    if (!clesConnues(lecture, table, "magasin", {"nom", "adresse", "no_tps", "no_tvq", "merci"})) {
        return false;
    }
    const auto valeur = [&table](std::string_view cle) { return table.get(cle); };
    if (const toml::node* nom = valeur("nom");
        nom != nullptr && !lireLargeur(lecture, *nom, "nom", 1, largeurNomMax, identite.nom)) {
        return false;
    }
    if (const toml::node* adresse = valeur("adresse");
        adresse != nullptr && !lireAdresse(lecture, *adresse, identite.adresse)) {
        return false;
    }
    if (const toml::node* tps = valeur("no_tps");
        tps != nullptr && !lireNumero(lecture, *tps, "no_tps", 9, "RT", identite.noTps)) {
        return false;
    }
    if (const toml::node* tvq = valeur("no_tvq");
        tvq != nullptr && !lireNumero(lecture, *tvq, "no_tvq", 10, "TQ", identite.noTvq)) {
        return false;
    }
    const toml::node* merci = valeur("merci");
    return merci == nullptr ||
           lireLargeur(lecture, *merci, "merci", 0, largeurMerciMax, identite.merci);
}

bool lirePourcentage(Lecture& lecture, const toml::node& noeud, const std::string& nom,
                     int& taux) {
    const std::optional<std::int64_t> valeur = noeud.value_exact<std::int64_t>();
    if (!valeur || *valeur < 0 || *valeur > rabaisMax) {
        return refuser(
            lecture, noeud,
            cite(nom) + " doit etre un pourcentage entier de 0 a " + std::to_string(rabaisMax));
    }
    taux = static_cast<int>(*valeur);
    return true;
}

bool lireCategorie(Lecture& lecture, const toml::table& rabais, std::string_view nom,
                   TauxCategorie& taux) {
    const toml::node* noeud = rabais.get(nom);
    if (noeud == nullptr) return true;
    const std::string chemin = "rabais." + std::string(nom);
    const toml::table* table = sousTable(lecture, *noeud, chemin);
    if (table == nullptr || !clesConnues(lecture, *table, chemin, {"selection", "autre"})) {
        return false;
    }
    const toml::node* selection = table->get("selection");
    const toml::node* autre = table->get("autre");
    return (selection == nullptr ||
            lirePourcentage(lecture, *selection, chemin + ".selection", taux.selection)) &&
           (autre == nullptr || lirePourcentage(lecture, *autre, chemin + ".autre", taux.autre));
}

bool lireRabais(Lecture& lecture, const toml::table& table, TableRabais& rabais) {
    return clesConnues(lecture, table, "rabais", {"membre", "vip", "non_membre"}) &&
           lireCategorie(lecture, table, "membre", rabais.membre) &&
           lireCategorie(lecture, table, "vip", rabais.vip) &&
           lireCategorie(lecture, table, "non_membre", rabais.nonMembre);
}

// The thousandths of a percent of a rate written as plain digits with at most three
// decimals ("9.975", "5", "7.5"), from its text: the label and the arithmetic then show the
// same rate. False for any other text (an exponent, a sign, an underscore, more decimals).
bool millemesEcrits(std::string_view texte, long long& unites) {
    const std::size_t point = std::min(texte.find('.'), texte.size());
    const std::size_t decimales = point < texte.size() ? texte.size() - point - 1 : 0;
    // The parser has taken it for a float: digits on both sides of its point, if any.
    if (point > 2 || decimales > 3 || !chiffres(texte, 0, point) ||
        !chiffres(texte, point + 1, decimales)) {
        return false;
    }
    unites = 0;
    for (char c : texte) {
        if (c != '.') unites = unites * 10 + (c - '0');
    }
    for (std::size_t d = decimales; d < 3; ++d) unites *= 10;
    return true;
}

// A value's text as the file writes it, when it stands on one line.
std::string_view texteEcrit(const Lecture& lecture, const toml::node& noeud) {
    const toml::source_region& region = noeud.source();
    // GCOVR_EXCL_BR_START: the parser gives every value its place on its lines
    if (region.begin.line == 0 || region.begin.line > lecture.lignes.size() ||
        region.end.line != region.begin.line || region.end.column <= region.begin.column) {
        return {};
    }
    const std::string_view ligne = lecture.lignes[region.begin.line - 1];
    const std::size_t debut = region.begin.column - 1;
    if (debut >= ligne.size()) return {};
    // GCOVR_EXCL_BR_STOP
    return ligne.substr(debut, region.end.column - region.begin.column);
}

// The rate as its label shows it: its value's shortest decimals, a decimal comma (9,975).
std::string texteTaux(long long unites) {
    std::string texte = std::to_string(unites / unitesParPourcent);
    std::string decimales = std::to_string(unitesParPourcent + unites % unitesParPourcent);
    decimales.erase(0, 1);
    while (!decimales.empty() && decimales.back() == '0') decimales.pop_back();
    return decimales.empty() ? texte : texte + "," + decimales;
}

// A rate from 0 to less than 100 %, at most three decimals in its text: a TOML integer, or a
// float whose text is plain digits. The text decides, never the double's nearest value.
bool lireTaux(Lecture& lecture, const toml::node& noeud, std::string_view nom, long long& unites,
              std::string& libelle) {
    bool lu = false;
    if (const std::optional<std::int64_t> entier = noeud.value_exact<std::int64_t>()) {
        lu = *entier >= 0 && *entier < static_cast<std::int64_t>(tauxTaxeMax);
        unites = static_cast<long long>(*entier) * unitesParPourcent;
    } else if (noeud.is_floating_point()) {
        lu = millemesEcrits(texteEcrit(lecture, noeud), unites);
    }
    if (!lu) {
        return refuser(lecture, noeud,
                       cite(nom) +
                           " doit etre un pourcentage de 0 a moins de 100, a 3 decimales " +
                           "au plus, comme 9.975");
    }
    libelle = std::string(nom) + " (" + texteTaux(unites) + " %) :";
    return true;
}

bool lirePeriode(Lecture& lecture, const toml::node& noeud, PeriodeTaxes& periode) {
    const toml::table* table = sousTable(lecture, noeud, "taxes");
    if (table == nullptr ||
        !clesConnues(lecture, *table, "taxes", {"depuis", "tps", "tvq", "tvq_sur_tps"})) {
        return false;
    }
    for (const char* cle : {"depuis", "tps", "tvq", "tvq_sur_tps"}) {
        if (table->get(cle) == nullptr) {
            return refuser(lecture, noeud, "[[taxes]] sans " + cite(cle));
        }
    }
    const toml::node& depuis = *table->get("depuis");
    const std::optional<toml::date> date = depuis.value_exact<toml::date>();
    if (!date) return refuser(lecture, depuis, "\"depuis\" doit etre une date, comme 2013-01-01");
    periode.depuis = jourDe(date->year, date->month, date->day);
    const toml::node& surTps = *table->get("tvq_sur_tps");
    const std::optional<bool> drapeau = surTps.value_exact<bool>();
    if (!drapeau) return refuser(lecture, surTps, "\"tvq_sur_tps\" doit etre true ou false");
    periode.taux.tvqSurTps = *drapeau;
    return lireTaux(lecture, *table->get("tps"), "tps", periode.taux.tps, periode.libelleTps) &&
           lireTaux(lecture, *table->get("tvq"), "tvq", periode.taux.tvq, periode.libelleTvq);
}

bool lireTaxes(Lecture& lecture, const toml::node& noeud, std::vector<PeriodeTaxes>& taxes) {
    const toml::array* periodes = noeud.as_array();
    if (periodes == nullptr) {
        return refuser(lecture, noeud, "\"taxes\" doit etre une liste de tables [[taxes]]");
    }
    for (const toml::node& element : *periodes) {
        PeriodeTaxes periode;
        if (!lirePeriode(lecture, element, periode)) return false;
        for (const PeriodeTaxes& autre : taxes) {
            if (autre.depuis == periode.depuis) {
                return refuser(lecture, element, "deux periodes de taxes commencent le meme jour");
            }
        }
        taxes.push_back(periode);
    }
    std::sort(taxes.begin(), taxes.end(),
              [](const PeriodeTaxes& a, const PeriodeTaxes& b) { return a.depuis < b.depuis; });
    return true;
}

bool lireReglages(Lecture& lecture, const toml::table& racine, Magasin& magasin) {
    if (!clesConnues(lecture, racine, "", {"magasin", "rabais", "taxes"})) return false;
    if (const toml::node* noeud = racine.get("magasin")) {
        const toml::table* table = sousTable(lecture, *noeud, "magasin");
        if (table == nullptr || !lireIdentite(lecture, *table, magasin.identite)) return false;
    }
    if (const toml::node* noeud = racine.get("rabais")) {
        const toml::table* table = sousTable(lecture, *noeud, "rabais");
        if (table == nullptr || !lireRabais(lecture, *table, magasin.rabais)) return false;
    }
    const toml::node* taxes = racine.get("taxes");
    if (taxes != nullptr && !lireTaxes(lecture, *taxes, magasin.taxes)) return false;
    if (!magasin.taxes.empty()) return true;
    // A store with settings invoices in cents with its own taxes: the program's 2006 floats
    // would pass, without a word, for today's.
    const std::string quoi =
        "aucune periode [[taxes]] : les reglages d'un magasin donnent "
        "ses taxes, comme dans examples/magasin-quebec.toml";
    if (taxes != nullptr) return refuser(lecture, *taxes, quoi);
    lecture.erreur = leFichier(lecture.fichier) + " : " + quoi;
    return false;
}

std::vector<std::string_view> decouperLignes(std::string_view texte) {
    std::vector<std::string_view> lignes;
    for (std::size_t debut = 0; debut <= texte.size();) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return lignes;
}

// A message shows the settings' control characters (C0, DEL, and C1 as UTF-8 writes them)
// as '?', as the sales file's texts are shown: none reaches a terminal raw.
std::string sansControles(const std::string& texte) {
    std::string montre;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        const bool c1 = c == 0xC2 && i + 1 < texte.size() &&
                        static_cast<unsigned char>(texte[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(texte[i + 1]) <= 0x9F;
        montre += c < 0x20 || c == 0x7F || c1 ? '?' : texte[i];
        if (c1) ++i;
    }
    return montre;
}

// The whole file, at most tailleMagasinMax bytes, or false when it cannot be opened or a read
// fails: settings cut short by a read error must not pass for the whole file.
bool lireTout(const std::string& fichier, std::string& contenu) {
    std::FILE* entree = std::fopen(fichier.c_str(), "rb");
    if (entree == nullptr) return false;
    char tampon[1 << 12];
    for (std::size_t lus; contenu.size() <= tailleMagasinMax &&
                          (lus = std::fread(tampon, 1, sizeof tampon, entree)) > 0;) {
        contenu.append(tampon, lus);
    }
    const bool lu = std::ferror(entree) == 0;
    std::fclose(entree);
    return lu;
}

bool lettre(char c) {
    const auto minuscule = static_cast<char>(c | 0x20);  // ASCII's two cases one bit apart
    return minuscule >= 'a' && minuscule <= 'z';
}

// The digits of ligne that end just before fin, or that begin at debut.
std::string_view chiffresAvant(std::string_view ligne, std::size_t fin) {
    std::size_t debut = fin;
    while (debut > 0 && chiffres(ligne, debut - 1, 1)) --debut;
    return ligne.substr(debut, fin - debut);
}

std::string_view chiffresApres(std::string_view ligne, std::size_t debut) {
    std::size_t fin = debut;
    while (chiffres(ligne, fin, 1)) ++fin;
    return ligne.substr(debut, fin - debut);
}

// What a store's usual mistakes mean, in its words: the parser's fault at colonne (from 1) of
// ligne, or its own text after a French lead.
std::string fauteDeSyntaxe(std::string_view ligne, std::size_t colonne,
                           std::string_view description) {
    const std::size_t i = colonne - 1;
    const char c = i < ligne.size() ? ligne[i] : '\n';
    if (description.find("invalid utf-8") != std::string_view::npos) {
        return "un caractere n'est pas de l'UTF-8 (un accent d'un fichier en Windows-1252 ?) : "
               "enregistrez le fichier en UTF-8";
    }
    if (c == ',' && !chiffresAvant(ligne, i).empty() && !chiffresApres(ligne, i + 1).empty()) {
        return "un nombre s'ecrit avec un point : " + std::string(chiffresAvant(ligne, i)) + "." +
               std::string(chiffresApres(ligne, i + 1));
    }
    if (description.find("parsing string") != std::string_view::npos ||
        description.find("parsing literal string") != std::string_view::npos) {
        return "un texte s'ecrit entre deux guillemets, sur une ligne : il manque le "
               "guillemet fermant";
    }
    if (description.find("could not determine value type") != std::string_view::npos &&
        lettre(c)) {
        return "un texte s'ecrit entre guillemets, comme \"Magasin chez Mo-Tino\"";
    }
    if (description.find("parsing date") != std::string_view::npos) {
        return "une date s'ecrit AAAA-MM-JJ, un jour du calendrier, comme 2013-01-01 (c'est "
               "l'ecriture des dates de TOML)";
    }
    return "TOML incorrect : " + std::string(description);
}

// Reads the settings from their bytes, contenu, read from fichier.
bool lireContenu(const std::string& contenu, const std::string& fichier, Magasin& magasin,
                 std::string& erreur) {
    magasin.fichier = fichier;
    Lecture lecture{fichier, {}, erreur};
    constexpr std::string_view marqueOrdre = "\xEF\xBB\xBF";
    // Notepad's "Unicode": two bytes a character, which the parser would call a bad byte.
    if (contenu.compare(0, 2, "\xFF\xFE") == 0 || contenu.compare(0, 2, "\xFE\xFF") == 0) {
        return refuser(lecture, 1, "le fichier est en UTF-16 : enregistrez le fichier en UTF-8");
    }
    if (const std::size_t nul = contenu.find('\0'); nul != std::string::npos) {
        const auto ligne =
            std::count(contenu.begin(), contenu.begin() + static_cast<std::ptrdiff_t>(nul), '\n') +
            1;
        return refuser(lecture, static_cast<toml::source_index>(ligne),
                       "un octet nul (de l'UTF-16 ?) : enregistrez le fichier en UTF-8");
    }
    // The parser skips the byte-order mark; the columns are counted after it.
    lecture.lignes = decouperLignes(std::string_view(contenu).substr(
        contenu.compare(0, marqueOrdre.size(), marqueOrdre) == 0 ? marqueOrdre.size() : 0));
    try {
        const toml::table racine = toml::parse(contenu, fichier);
        return lireReglages(lecture, racine, magasin);
    } catch (const toml::parse_error& faute) {
        const toml::source_position& position = faute.source().begin;
        const std::string_view ligne = position.line >= 1 && position.line <= lecture.lignes.size()
                                           ? lecture.lignes[position.line - 1]
                                           : std::string_view{};
        return refuser(
            lecture,
            std::to_string(position.line) + ", colonne " + std::to_string(position.column),
            fauteDeSyntaxe(ligne, std::max<std::size_t>(position.column, 1), faute.description()));
    }
}

}  // namespace

// The file, checked before it is opened: only a regular file of a bounded size is read, so
// that a pipe or a device (/dev/zero) cannot hold the program before its first day.
bool lireMagasin(const std::string& fichier, bool exige, Magasin& magasin, std::string& erreur) {
    namespace fs = std::filesystem;
    const std::string nom = sansControles(leFichier(fichier));
    std::error_code code;
    const fs::file_status etat = fs::status(fichier, code);
    if (code && code != std::errc::no_such_file_or_directory) {
        erreur = nom + " ne peut pas etre examine : " + code.message();
        return false;
    }
    if (!fs::exists(etat)) {
        // A link to nowhere is there, but cannot be read.
        const bool lien = fs::is_symlink(fs::symlink_status(fichier, code));
        if (!exige && !lien) return true;
        erreur = nom + (lien ? " ne peut pas etre lu" : " est absent");
        return false;
    }
    if (fs::is_directory(etat)) {
        erreur = nom + " est un dossier";
        return false;
    }
    if (!fs::is_regular_file(etat)) {
        erreur = nom + " n'est pas un fichier ordinaire";
        return false;
    }
    std::string contenu;
    if (!lireTout(fichier, contenu)) {
        erreur = nom + " ne peut pas etre lu";
        return false;
    }
    if (contenu.size() > tailleMagasinMax) {
        erreur = nom + " est trop grand : plus de " + std::to_string(tailleMagasinMax) + " octets";
        return false;
    }
    return lireReglagesTexte(contenu, fichier, magasin, erreur);
}

bool lireReglagesTexte(const std::string& contenu, const std::string& fichier, Magasin& magasin,
                       std::string& erreur) {
    const bool lu = lireContenu(contenu, fichier, magasin, erreur);
    erreur = sansControles(erreur);
    return lu;
}

bool periodeDuJour(const Magasin& magasin, const std::string& dateVente,
                   const PeriodeTaxes*& periode, std::string& erreur) {
    periode = nullptr;
    if (magasin.taxes.empty()) return true;
    const std::string reglages = "\"" + magasin.fichier + "\"";
    const std::optional<Jour> jour = jourDe(dateVente);
    if (!jour) {
        erreur = "la date \"" + dateVente + "\" n'est pas un jour JJ-MM-AAAA : les taxes de " +
                 reglages + " en dependent";
        return false;
    }
    periode = periodeDe(magasin.taxes, *jour);
    if (periode != nullptr) return true;
    erreur = "aucune periode de taxes de " + reglages + " ne couvre le " + dateVente;
    return false;
}
