// The day's PDF rendered on a thread of its own while the invoice file is being written:
// the renderer reads the file back as far as it is there for good, so that the PDF holds
// exactly what the text holds, an invoice taken back included, and the two passes overlap.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>

#include "util/ecrivain.hpp"

struct PdfSimultane {
    TamponEcrivain sortie;       // the PDF file
    std::FILE* texte = nullptr;  // the invoice file, read back
    std::thread rendu;
    std::string titre;     // set before the invoice file is closed, read after
    std::string magasin;   // the store's name, which opens each invoice
    bool cree = false;     // the PDF file could be created and the text read back
    bool complet = false;  // the PDF was written whole from every byte of the text
    bool vide = false;     // the text had no byte
};

// Creates fichierPdf and starts rendering the invoice file fichierFacture, which facture
// has just opened, as it grows. The PDF must not move until attendrePdf.
void commencerPdf(PdfSimultane& pdf, TamponEcrivain& facture, const std::string& fichierFacture,
                  const std::string& fichierPdf);

// Once the invoice file is closed: waits until the PDF is rendered and closed.
void attendrePdf(PdfSimultane& pdf);
