// The day's PDF drawn on a thread of its own while the invoice file is written: the invoice
// file's writer hands it the text as it becomes there for good, so that the PDF holds exactly
// what the text holds, an invoice taken back included, and the two passes overlap.
#pragma once

#include <string>
#include <thread>

#include "report/reperes.hpp"
#include "util/canal.hpp"
#include "util/ecrivain.hpp"

class PdfSimultane {
  public:
    PdfSimultane() = default;
    // Ends the text, if nobody did, and joins the thread: on every path.
    ~PdfSimultane();
    PdfSimultane(const PdfSimultane&) = delete;
    PdfSimultane& operator=(const PdfSimultane&) = delete;

    // Creates fichierPdf and starts drawing what texte() is given; false when the PDF cannot
    // be created.
    bool commencer(const std::string& fichierPdf);

    // Where the invoice file's writer hands the text, and the day's loop the marks of its
    // invoices (none when no thread draws them).
    CanalTexte& texte() { return canal_; }
    FileReperes* reperes() { return rendu_.joinable() ? &reperes_ : nullptr; }

    // Once the invoice file is closed: gives the title, waits until the PDF is drawn and
    // closed; true when it was written whole from every byte of the text. A thread that
    // could not start makes it a failed write.
    bool terminer(const std::string& titre);

  private:
    Ecrivain sortie_;
    CanalTexte canal_;
    std::thread rendu_;
    FileReperes reperes_;
    bool complet_ = false;
};
