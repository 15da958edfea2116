// Where each invoice and the summary begin in the invoice file's text, as the program that
// writes it says: the PDF's printer takes its outline, its pages' heads and their numbering
// from them, never from searching the text.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

struct Repere {
    std::uint64_t position = 0;    // of its first byte in the text
    std::size_t lignesEntete = 0;  // its head's lines, repeated atop each further page
    bool facture = false;          // an invoice, whose pages are numbered; or the summary
    std::string titre;             // its outline item's
};

// The marks of one text, in the order of their positions, handed from the thread that writes
// the text to the one that draws it. A mark is given before any byte it points at, and
// taken back with the invoice it begins, before any byte after it is handed on.
class FileReperes {
  public:
    void ajouter(Repere repere);
    void retirerDepuis(std::uint64_t position);

    // Moves every mark given so far to the end of dans. A reader that has been handed the
    // text's bytes up to some position then holds every mark before it.
    void prendreTout(std::deque<Repere>& dans);

  private:
    std::mutex verrou_;
    std::deque<Repere> reperes_;
};

// The outline's titles: "Facture 3 - client 101 Jeanne Exemple", "Sommaire du 28-02-2012".
std::string titreFacture(long long noFacture, int noClient, std::string_view prenom,
                         std::string_view nom);
std::string titreDuSommaire(std::string_view dateFact);
