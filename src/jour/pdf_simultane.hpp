// The day's PDF drawn on a thread of its own while the invoice file is written: the invoice
// file's writer hands it the text as it becomes there for good, so that the PDF holds exactly
// what the text holds, an invoice taken back included, and the two passes overlap.
#pragma once

#include <string>
#include <thread>

#include "util/canal.hpp"
#include "util/ecrivain.hpp"

class PdfSimultane {
  public:
    PdfSimultane() = default;
    // Ends the text, if nobody did, and joins the thread: on every path.
    ~PdfSimultane();
    PdfSimultane(const PdfSimultane&) = delete;
    PdfSimultane& operator=(const PdfSimultane&) = delete;

    // Creates fichierPdf and starts drawing what texte() is given, each invoice found by the
    // store's name magasin; false when the PDF cannot be created.
    bool commencer(const std::string& fichierPdf, const std::string& magasin);

    // Where the invoice file's writer hands the text.
    CanalTexte& texte() { return canal_; }

    // Once the invoice file is closed: gives the title, waits until the PDF is drawn and
    // closed; true when it was written whole from every byte of the text. A thread that
    // could not start makes it a failed write.
    bool terminer(const std::string& titre);

  private:
    Ecrivain sortie_;
    CanalTexte canal_;
    std::thread rendu_;
    std::string magasin_;
    bool complet_ = false;
};
