#include "app/journee.hpp"

#include "app/journal_differe.hpp"
#include "app/mode_magasin.hpp"
#include "app/mode_programme.hpp"
#include "util/fichier_entree.hpp"
#include "ventes/ventes.hpp"

namespace {

// Where the words a store may have meant otherwise are told, and whether one was: the day is
// then done, its invoices as they are, with status 1.
struct Avertissements {
    const Canaux& canaux;
    const std::string& fichierVente;
    bool donne = false;
};

void avertir(Avertissements& avertissements, long long ligne, const std::string& quoi) {
    const Canaux& canaux = avertissements.canaux;
    canaux.messages << montrer("attention : " + leFichier(avertissements.fichierVente) +
                                   ", ligne " + std::to_string(ligne) + " : " + quoi,
                               canaux.c1Messages) +
                           "\n"
                    << std::flush;
    avertissements.donne = true;
}

// Writes one client's invoice as mode does; counts it in the day, and hands its figures to
// the journal, only once every item record has been read. False, with arret, at an item
// record that cannot be read whole: what was written of the invoice is then to be taken back.
template <class Mode>
bool facturerClient(Lecteur& entree, std::ostream& sortie,
                    JournalDiffere<typename Mode::FactureJour>& journal, const Client& client,
                    const std::string& dateFact, const Mode& mode, typename Mode::Totaux& totaux,
                    Arret& arret, Avertissements& avertissements, FiguresFactures* figures) {
    const std::string_view type = texte(entree, client.type);
    const CategorieClient categorie = categorieClient(type);
    if (mode.categorieDouteuse(type)) {
        avertir(avertissements, entree.ligneDonnee,
                "categorie \"" + std::string(type) + "\" : le client " +
                    std::to_string(client.noClient) +
                    " est facture non-membre ; les categories s'ecrivent en minuscules");
    }
    const std::string_view prenom = texte(entree, client.prenom);
    const std::string_view nom = texte(entree, client.nom);
    const bool avecJournal = journal.flux != nullptr;
    if (avecJournal) noterNoms(journal, prenom, nom);
    typename Mode::FactureJour facture;
    mode.entete(sortie, totaux.nbFactures, dateFact, client.noClient, prenom, nom);
    typename Mode::ArticleJour article;
    for (int i = 0; i < client.nbArticle; ++i) {
        if (!lireArticle(entree, article, arret)) return false;
        if (mode.selectionDouteuse(article.sel)) {
            avertir(avertissements, entree.ligneDonnee,
                    "selection \"S\" : l'article " + std::to_string(article.noArticle) +
                        " du client " + std::to_string(client.noClient) +
                        " est facture hors selection ; la selection s'ecrit s, en minuscule");
        }
        mode.article(sortie, facture, categorie, article, texte(entree, article.description));
    }
    mode.pied(sortie, facture);
    if (avecJournal) {
        ajouterAuJournal(journal, {totaux.nbFactures, client.noClient, categorie, facture, 0, 0});
    }
    ajouterFacture(totaux, facture, categorie);
    if (figures != nullptr) ajouterFacture(*figures, facture);
    return true;
}

// The rest of the file is lost: the operator is told the line, the field, what stands there
// and where it is in the day, so as to mend it. The line goes out whole, at once.
// Nothing of the sales file reaches a terminal raw.
// After a read that failed, the record cut short is no fault of the file: the failure is
// told instead.
void signalerArret(const Canaux& canaux, const Lecteur& lecteur, const std::string& fichierVente,
                   long long ligne, const std::string& cause, const std::string& suite) {
    if (lecteur.erreur) return;
    const std::string texte = "attention : " + leFichier(fichierVente) + ", ligne " +
                              std::to_string(ligne) + " : " + cause + " ; " + suite;
    canaux.messages << montrer(texte, canaux.c1Messages) + "\n" << std::flush;
}

std::string causeArret(const Arret& arret, const std::string& endroit) {
    const std::string quoi =
        arret.finDuFichier
            ? "fin du fichier"
            : "illisible \"" + montrer(arret.texte, false, longueurTexteArret) + "\"";
    return std::string(arret.champ) + " " + quoi + " " + endroit;
}

const std::string suiteIgnoree = "la suite est ignoree";

// A place in the text, as its marks count it.
std::uint64_t positionDe(std::ostream::pos_type position) {
    return static_cast<std::uint64_t>(static_cast<std::streamoff>(position));
}

// Invoices the client read and those after it, as long as they can be read whole, then
// writes the summary of the invoices written. Returns the count of invoices.
template <class Mode>
long long facturerClients(Lecteur& lecteur, const SortiesJour& sorties,
                          const std::string& fichierVente, const std::string& dateFact,
                          const Mode& mode, Client& client, Lecture& lecture, std::size_t lot,
                          Avertissements& avertissements) {
    const Canaux& alertes = sorties.canaux;
    std::ostream& sortie = sorties.factures;
    FileReperes* const reperes = sorties.reperes;
    JournalDiffere<typename Mode::FactureJour> journal;
    ouvrirJournal(journal, sorties.journal, dateFact, lot);
    typename Mode::Totaux totaux;
    Arret arret;
    while (lecture == Lecture::Lu) {
        // A client whose items cannot all be read gets no invoice: one that looks complete
        // with a wrong total could be handed to the client.
        const std::ostream::pos_type debutFacture = sortie.tellp();
        if (reperes != nullptr) {
            reperes->ajouter(repereFacture(
                positionDe(debutFacture), mode.lignesEntete(), totaux.nbFactures, client.noClient,
                texte(lecteur, client.prenom), texte(lecteur, client.nom)));
        }
        if (!facturerClient(lecteur, sortie, journal, client, dateFact, mode, totaux, arret,
                            avertissements, sorties.figures)) {
            sortie.seekp(debutFacture);
            if (reperes != nullptr) {
                reperes->retirerDepuis(positionDe(debutFacture));
            }
            lecture = Lecture::Illisible;
            signalerArret(alertes, lecteur, fichierVente, arret.ligne,
                          causeArret(arret, "dans les articles du client " +
                                                std::to_string(client.noClient)),
                          "sa facture n'est pas ecrite, " + suiteIgnoree);
            break;
        }
        const int noClient = client.noClient;
        lecture = lireClient(lecteur, client, arret);
        if (lecture == Lecture::Illisible) {
            signalerArret(
                alertes, lecteur, fichierVente, arret.ligne,
                causeArret(arret, "apres la facture " + std::to_string(totaux.nbFactures - 1) +
                                      " (client " + std::to_string(noClient) + ")"),
                suiteIgnoree);
        }
    }
    terminerJournal(journal);
    if (totaux.nbFactures > 0) {
        if (reperes != nullptr)
            reperes->ajouter(repereSommaire(positionDe(sortie.tellp()), dateFact));
        mode.sommaire(sortie, dateFact, totaux);
    }
    return totaux.nbFactures;
}

}  // namespace

std::string montrer(std::string_view texte, bool c1, std::size_t longueur) {
    std::string montre(texte.substr(0, longueur));
    for (char& c : montre) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x20 || octet == 0x7F || (c1 && octet >= 0x80 && octet <= 0x9F)) c = '?';
    }
    return texte.size() > longueur ? montre + "..." : montre;
}

ResultatJour facturerJournee(std::istream& entree, const SortiesJour& sorties,
                             const std::string& fichierVente, std::string& dateFact,
                             const Bareme& bareme, std::size_t fenetre, std::size_t lot) {
    const Canaux& alertes = sorties.canaux;
    Lecteur lecteur = ouvrirLecteur(*entree.rdbuf(), fenetre);
    const bool enteteLu = lireEntete(lecteur, dateFact);
    alertes.console << "La date dans le fichier est : " + montrer(dateFact, alertes.c1Console)
                    << std::endl;

    Client client;
    Arret arret;
    Lecture lecture = Lecture::Illisible;
    if (!enteteLu) {
        signalerArret(alertes, lecteur, fichierVente, lecteur.ligneDonnee,
                      "donnee illisible dans l'en-tete", suiteIgnoree);
    } else if ((lecture = lireClient(lecteur, client, arret)) == Lecture::Illisible) {
        signalerArret(alertes, lecteur, fichierVente, arret.ligne,
                      causeArret(arret, "avant la premiere facture"), suiteIgnoree);
    }
    Avertissements avertissements{alertes, fichierVente};
    // The day's mode, chosen here once: the store's, in cents, when its settings give the day's
    // period; the program's own otherwise.
    const long long nbFactures =
        bareme.periode != nullptr
            ? facturerClients(lecteur, sorties, fichierVente, dateFact,
                              ModeMagasin(bareme.magasin, *bareme.periode), client, lecture, lot,
                              avertissements)
            : facturerClients(lecteur, sorties, fichierVente, dateFact, ModeProgramme{}, client,
                              lecture, lot, avertissements);
    if (lecteur.erreur) {
        alertes.messages << ligneIllisible(fichierVente, lecteur.erreur.message()) << std::flush;
    } else if (nbFactures == 0) {
        const std::string_view eAigu = alertes.eAigu;
        alertes.console << std::endl
                        << "Aucun n'achat n'a " << eAigu << "t" << eAigu << " effectu" << eAigu
                        << " pour cette date" << std::endl;
    }
    return {lecture == Lecture::FinDesDonnees && !lecteur.erreur, nbFactures, lecteur.erreur,
            avertissements.donne};
}
