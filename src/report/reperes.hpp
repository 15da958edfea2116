// Where each invoice and the summary begin in the invoice file's text, as the program that
// writes it says: the PDF's printer takes its outline, its pages' heads and their numbering
// from them, never from searching the text.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct Repere {
    std::uint64_t position = 0;    // of its first byte in the text
    std::size_t lignesEntete = 0;  // its head's lines, repeated atop each further page
    bool facture = false;          // an invoice, whose pages are numbered; or the summary
    // Its outline item's words, made into its title only where it is drawn: an invoice's
    // number, its client's and the client's names (a blank between); the summary's date.
    long long noFacture = 0;
    int noClient = 0;
    std::string noms;
};

// The marks of an invoice and of the summary: the names held as they are short, most
// often within the string's own room.
Repere repereFacture(std::uint64_t position, std::size_t lignesEntete, long long noFacture,
                     int noClient, std::string_view prenom, std::string_view nom);
Repere repereSommaire(std::uint64_t position, std::string_view dateFact);

// The marks of one text, in the order of their positions, handed from the thread that writes
// the text to the one that draws it. A mark is given before any byte it points at, and
// taken back with the invoice it begins, before any byte after it is handed on.
class FileReperes {
  public:
    void ajouter(Repere repere);
    void retirerDepuis(std::uint64_t position);

    // Hands over every mark given so far in dans, whatever it held: the two trade places,
    // so that the room of the marks drawn serves again for those to come. A reader that has
    // been handed the text's bytes up to some position then holds every mark before it.
    void prendreTout(std::vector<Repere>& dans);

  private:
    std::mutex verrou_;
    std::vector<Repere> reperes_;
};

// The outline's title of a mark, "Facture 3 - client 101 Jeanne Exemple" or "Sommaire du
// 28-02-2012", written over titre (whose room is kept from one to the next).
void titreDe(const Repere& repere, std::string& titre);
