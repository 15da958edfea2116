#include "util/ecrivain_facture.hpp"

#include <algorithm>
#include <limits>

#include "util/console.hpp"

bool EcrivainFacture::ouvrir(const std::string& nom, CanalTexte* lecteur, bool binaire,
                             const std::string& debordement) {
    if (!Ecrivain::ouvrir(nom, binaire)) return false;
    nomDebordement_ = debordement;
    lecteur_ = lecteur;
    marque_ = 0;
    livres_ = 0;
    retenue_.clear();
    marqueNotee_ = static_cast<std::uint64_t>(-1);
    return true;
}

EcrivainFacture::~EcrivainFacture() {
    fermerDebordement();
}

bool EcrivainFacture::fermer() {
    if (fichier() == nullptr) return true;
    marque_ = position();  // closed: all of it for good
    passer();
    livrerRetenue();
    lecteur_ = nullptr;
    fermerDebordement();
    return Ecrivain::fermer();
}

void EcrivainFacture::fermerDebordement() {
    if (debordement_ == nullptr) return;
    std::fclose(debordement_);
    retirerFichier(nomDebordement_);
    debordement_ = nullptr;
    debordes_ = 0;
    lusDebordes_ = 0;
}

// Held back in memory, and past seuil_ in the file, after those already there. A file that
// cannot be had, or written, leaves them in memory.
void EcrivainFacture::retenir(const char* octets, std::size_t n) {
    retenue_.insert(retenue_.end(), octets, octets + n);
    if (retenue_.size() <= seuil_) return;
    // Where a long offset (32 bits on Windows) reaches, no further.
    const auto portee = static_cast<std::uint64_t>(std::numeric_limits<long>::max());
    if (nomDebordement_.empty()) return;
    if (debordes_ + retenue_.size() > portee) return;  // GCOVR_EXCL_BR_LINE: 2 GB held back
    if (debordement_ == nullptr) {
        debordement_ = std::fopen(nomDebordement_.c_str(), "w+b");
        if (debordement_ == nullptr) return;  // GCOVR_EXCL_LINE: a folder just written in
    }
    // GCOVR_EXCL_BR_START: a write to the program's own file in the folder written in
    if (std::fseek(debordement_, static_cast<long>(debordes_), SEEK_SET) != 0 ||
        std::fwrite(retenue_.data(), 1, retenue_.size(), debordement_) != retenue_.size()) {
        return;
    }
    // GCOVR_EXCL_BR_STOP
    debordes_ += retenue_.size();
    retenue_.clear();
}

// Of the bytes held back, keeps the first n: a take-back drops the rest.
void EcrivainFacture::garderRetenus(std::uint64_t n) {
    const std::uint64_t enFichier = std::min(n, debordes_ - lusDebordes_);
    debordes_ = lusDebordes_ + enFichier;
    retenue_.resize(static_cast<std::size_t>(n - enFichier));
}

std::uint64_t EcrivainFacture::position() const {
    return debutCourant() + static_cast<std::uint64_t>(pptr() - pbase());
}

// The bytes held back that the mark has since passed: those in the file first.
void EcrivainFacture::livrerRetenue() {
    if (lecteur_ == nullptr) return;
    std::vector<char> morceau;
    while (marque_ > livres_ && debordes_ > lusDebordes_) {
        const auto part = static_cast<std::size_t>(
            std::min<std::uint64_t>({marque_ - livres_, debordes_ - lusDebordes_, 1 << 16}));
        morceau.resize(part);
        // GCOVR_EXCL_BR_START: the program's own file, read back where it was written
        if (std::fseek(debordement_, static_cast<long>(lusDebordes_), SEEK_SET) != 0 ||
            std::fread(morceau.data(), 1, part, debordement_) != part) {
            echouer();
            return;
        }
        // GCOVR_EXCL_BR_STOP
        lecteur_->donner(morceau.data(), part);
        lusDebordes_ += part;
        livres_ += part;
    }
    if (debordes_ > 0 && debordes_ == lusDebordes_) {
        debordes_ = 0;  // all of it handed over: the file is used again from its start
        lusDebordes_ = 0;
    }
    if (marque_ <= livres_ || retenue_.empty()) return;
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
    if (retenue_.empty() && debordes_ == lusDebordes_ && marque_ > debut) {
        livrables = static_cast<std::size_t>(std::min<std::uint64_t>(marque_ - debut, n));
        lecteur_->donner(octets, livrables);
        livres_ += livrables;
    }
    retenir(octets + livrables, n - livrables);
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
    const std::uint64_t retenus = debordes_ - lusDebordes_ + retenue_.size();
    if (livres_ + retenus > cible) garderRetenus(std::max(cible, livres_) - livres_);
    recommencerA(cible, 0);
    return position;
}
