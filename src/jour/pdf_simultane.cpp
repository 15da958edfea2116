#include "jour/pdf_simultane.hpp"

#include <limits>
#include <ostream>
#include <system_error>

#include "report/pdf.hpp"

// terminer has joined the thread, but for an exception on the way.
PdfSimultane::~PdfSimultane() {
    if (!rendu_.joinable()) return;  // GCOVR_EXCL_BR_LINE
    // GCOVR_EXCL_START
    canal_.finir("");
    rendu_.join();
    // GCOVR_EXCL_STOP
}

bool PdfSimultane::commencer(const std::string& fichierPdf) {
    // Binary: the same bytes on every platform.
    if (!sortie_.ouvrir(fichierPdf, true)) return false;
    canal_.lire();
    try {
        rendu_ = std::thread([this] {
            std::ostream flux(&sortie_);
            const std::uint64_t lus =
                ecrireFacturesPdf(flux, canal_, std::numeric_limits<std::uint64_t>::max(),
                                  canal_.titre(), &reperes_);
            complet_ = sortie_.fermer() && !flux.bad() && lus == canal_.donnes();
        });
    } catch (const std::system_error&) {
        canal_.abandonner();  // the text is not kept for a PDF that cannot be drawn
    }
    return true;
}

bool PdfSimultane::terminer(const std::string& titre) {
    canal_.finir(titre);
    if (rendu_.joinable()) rendu_.join();
    return complet_;
}
