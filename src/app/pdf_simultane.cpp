#include "app/pdf_simultane.hpp"

#include <algorithm>
#include <limits>
#include <streambuf>

#include "report/pdf.hpp"

namespace {

// The invoice file read back, with sgetn only, as far as its writer says it holds for
// good: a read waits for more, and the text ends when the file is closed and all read.
class LectureAcquise : public std::streambuf {
  public:
    LectureAcquise(TamponEcrivain& ecrivain, std::FILE* fichier)
        : ecrivain_(ecrivain), fichier_(fichier) {}
    bool echec() const { return echec_; }

  protected:
    std::streamsize xsgetn(char* tampon, std::streamsize n) override {
        if (lus_ == acquis_) acquis_ = ecrivain_.attendreAcquis(lus_);
        const auto demande = static_cast<std::size_t>(
            std::min<std::uint64_t>(static_cast<std::uint64_t>(n), acquis_ - lus_));
        if (demande == 0) return 0;
        const std::size_t lus = std::fread(tampon, 1, demande, fichier_);
        echec_ = echec_ || lus == 0;  // the file holds less than it should
        lus_ += lus;
        return static_cast<std::streamsize>(lus);
    }

  private:
    TamponEcrivain& ecrivain_;
    std::FILE* fichier_;
    std::uint64_t lus_ = 0;
    std::uint64_t acquis_ = 0;
    bool echec_ = false;
};

}  // namespace

void commencerPdf(PdfSimultane& pdf, TamponEcrivain& facture, const std::string& fichierFacture,
                  const std::string& fichierPdf) {
    // Binary: text mode would turn the line ends inside the file and move every offset.
    pdf.texte = std::fopen(fichierFacture.c_str(), "rb");
    // Unbuffered: a buffer would read ahead past what is there for good, which an invoice
    // taken back then replaces in the file.
    if (pdf.texte != nullptr) std::setvbuf(pdf.texte, nullptr, _IONBF, 0);
    pdf.cree = pdf.texte != nullptr && pdf.sortie.ouvrir(fichierPdf, true);
    if (!pdf.cree) return;
    pdf.rendu = std::thread([&pdf, &facture] {
        LectureAcquise lecture(facture, pdf.texte);
        std::ostream flux(&pdf.sortie);
        const std::uint64_t lus = ecrireFacturesPdf(
            flux, lecture, std::numeric_limits<std::uint64_t>::max(), pdf.titre, pdf.magasin);
        pdf.complet = pdf.sortie.fermer() && !flux.bad() && !lecture.echec();
        pdf.vide = lus == 0 && !lecture.echec();
    });
}

void attendrePdf(PdfSimultane& pdf) {
    if (pdf.rendu.joinable()) pdf.rendu.join();
    if (pdf.texte != nullptr) std::fclose(pdf.texte);
    pdf.texte = nullptr;
}
