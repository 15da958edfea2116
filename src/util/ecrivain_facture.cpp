#include "util/ecrivain_facture.hpp"

#include <algorithm>

#include "util/console.hpp"

bool EcrivainFacture::ouvrir(const std::string& nom, CanalTexte* lecteur, bool binaire) {
    if (!Ecrivain::ouvrir(nom, binaire)) return false;
    lecteur_ = lecteur;
    marque_ = 0;
    livres_ = 0;
    retenue_.clear();
    marqueNotee_ = static_cast<std::uint64_t>(-1);
    return true;
}

bool EcrivainFacture::fermer() {
    if (fichier() == nullptr) return true;
    marque_ = position();  // closed: all of it for good
    passer();
    livrerRetenue();
    lecteur_ = nullptr;
    return Ecrivain::fermer();
}

std::uint64_t EcrivainFacture::position() const {
    return debutCourant() + static_cast<std::uint64_t>(pptr() - pbase());
}

// The bytes held back that the mark has since passed.
void EcrivainFacture::livrerRetenue() {
    if (lecteur_ == nullptr || marque_ <= livres_ || retenue_.empty()) return;
    const auto part =
        static_cast<std::size_t>(std::min<std::uint64_t>(marque_ - livres_, retenue_.size()));
    lecteur_->donner(retenue_.data(), part);
    retenue_.erase(retenue_.begin(), retenue_.begin() + static_cast<std::ptrdiff_t>(part));
    livres_ += part;
}

// The file notes where the mark falls, for a take-back that would cut it there.
std::size_t EcrivainFacture::remettre(const char* octets, std::size_t n, std::uint64_t debut) {
    std::size_t noter = aucune;
    if (marque_ >= debut && marque_ - debut < n) {
        noter = static_cast<std::size_t>(marque_ - debut);
        marqueNotee_ = marque_;
    }
    if (lecteur_ == nullptr) return noter;
    livrerRetenue();
    // Of this buffer: before the mark to the reader, unless bytes before it still wait; the
    // rest held back.
    std::size_t livrables = 0;
    if (retenue_.empty() && marque_ > debut) {
        livrables = static_cast<std::size_t>(std::min<std::uint64_t>(marque_ - debut, n));
        lecteur_->donner(octets, livrables);
        livres_ += livrables;
    }
    retenue_.insert(retenue_.end(), octets + livrables, octets + n);
    return noter;
}

EcrivainFacture::pos_type EcrivainFacture::seekoff(off_type decalage,
                                                   std::ios_base::seekdir depart,
                                                   std::ios_base::openmode mode) {
    if (decalage != 0 || depart != std::ios_base::cur || mode != std::ios_base::out ||
        fichier() == nullptr) {
        return pos_type(off_type(-1));
    }
    marque_ = position();
    return pos_type(static_cast<off_type>(marque_));
}

EcrivainFacture::pos_type EcrivainFacture::seekpos(pos_type position,
                                                   std::ios_base::openmode mode) {
    const auto cible = static_cast<std::uint64_t>(static_cast<off_type>(position));
    if (mode != std::ios_base::out || fichier() == nullptr || cible != marque_) {
        return pos_type(off_type(-1));
    }
    if (cible >= debutCourant()) {
        recommencerA(debutCourant(), static_cast<std::size_t>(cible - debutCourant()));
        return position;
    }
    // Already handed to the file: it goes back to the mark once written, even after a
    // failed write, and loses what follows. Where the file cannot (a pipe), the text is not
    // what it should be.
    attendre();
    std::fpos_t place{};
    const bool cote = positionNotee(place) && marqueNotee_ == cible;
    // GCOVR_EXCL_BR_START: a file whose place was noted can go back there
    if (!cote || std::fsetpos(fichier(), &place) != 0 || !tronquerFichier(fichier())) echouer();
    // GCOVR_EXCL_BR_STOP
    if (livres_ + retenue_.size() > cible) {
        retenue_.resize(static_cast<std::size_t>(std::max(cible, livres_) - livres_));
    }
    recommencerA(cible, 0);
    return position;
}
