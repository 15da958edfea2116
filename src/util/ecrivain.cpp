#include "util/ecrivain.hpp"

#include <algorithm>
#include <cstring>

#include "util/console.hpp"

TamponEcrivain::TamponEcrivain(std::size_t taille) {
    for (std::vector<char>& tampon : tampons_) tampon.resize(std::max<std::size_t>(taille, 1));
}

TamponEcrivain::~TamponEcrivain() {
    fermer();
}

bool TamponEcrivain::ouvrir(const std::string& nom, bool binaire) {
    fichier_ = std::fopen(nom.c_str(), binaire ? "wb" : "w");
    if (fichier_ == nullptr) return false;
    std::setvbuf(fichier_, nullptr, _IONBF, 0);  // the buffers here are enough
    echec_ = false;
    fini_ = false;
    courant_ = 0;
    debutCourant_ = 0;
    marque_ = 0;
    marqueFichierDe_ = static_cast<std::uint64_t>(-1);
    acquis_ = 0;
    clos_ = false;
    setp(tampons_[0].data(), tampons_[0].data() + tampons_[0].size());
    ecrivain_ = std::thread(&TamponEcrivain::ecrire, this);
    return true;
}

bool TamponEcrivain::fermer() {
    if (fichier_ == nullptr) return true;
    passer();
    {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return aEcrire_ == 0; });
        fini_ = true;
    }
    signal_.notify_all();
    ecrivain_.join();
    const std::int64_t fin = echec_ ? -1 : positionFichier(fichier_);
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        if (fin >= 0) acquis_ = static_cast<std::uint64_t>(fin);
        clos_ = true;
    }
    signal_.notify_all();
    const bool ferme = std::fclose(fichier_) == 0;
    fichier_ = nullptr;
    setp(nullptr, nullptr);
    return ferme && !echec_;
}

// Hands the buffer just filled to the writer, once it has written the other one, and goes
// on in that other one.
void TamponEcrivain::passer() {
    const auto plein = static_cast<std::size_t>(pptr() - pbase());
    if (plein > 0) {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return aEcrire_ == 0; });
        aEcrire_ = plein;
        marqueAEcrire_ = marque_ >= debutCourant_ && marque_ - debutCourant_ < plein
                             ? static_cast<std::size_t>(marque_ - debutCourant_)
                             : aucuneMarque;
        if (marqueAEcrire_ != aucuneMarque) marqueFichierDe_ = marque_;
        marqueApres_ = marque_ >= debutCourant_ + plein;
        debutCourant_ += plein;
        courant_ = 1 - courant_;
        verrou.unlock();
        signal_.notify_all();
    }
    std::vector<char>& tampon = tampons_[courant_];
    setp(tampon.data(), tampon.data() + tampon.size());
}

void TamponEcrivain::ecrire() {
    for (;;) {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return aEcrire_ > 0 || fini_; });
        if (aEcrire_ == 0) return;
        // The buffer handed over is the one the program is not filling.
        const std::vector<char>& tampon = tampons_[1 - courant_];
        const std::size_t taille = aEcrire_;
        const std::size_t marque = marqueAEcrire_;
        const bool echec = echec_;
        const bool marqueApres = marqueApres_;
        verrou.unlock();
        bool ecrit = echec;
        std::int64_t acquis = -1;  // where what comes before the mark ends in the file
        if (!echec && marque != aucuneMarque) {
            // In two parts, to learn where the mark falls in the file: in text mode on
            // Windows, a line end there takes two bytes.
            ecrit = std::fwrite(tampon.data(), 1, marque, fichier_) == marque &&
                    std::fgetpos(fichier_, &marqueFichier_) == 0;
            if (ecrit) acquis = positionFichier(fichier_);
            ecrit = ecrit && std::fwrite(tampon.data() + marque, 1, taille - marque, fichier_) ==
                                 taille - marque;
        } else if (!echec) {
            ecrit = std::fwrite(tampon.data(), 1, taille, fichier_) == taille;
            if (marqueApres) acquis = positionFichier(fichier_);
        }
        verrou.lock();
        echec_ = echec_ || !ecrit;
        if (!echec_ && acquis >= 0) acquis_ = static_cast<std::uint64_t>(acquis);
        aEcrire_ = 0;
        verrou.unlock();
        signal_.notify_all();
    }
}

std::uint64_t TamponEcrivain::attendreAcquis(std::uint64_t deja) {
    std::unique_lock<std::mutex> verrou(verrou_);
    signal_.wait(verrou, [this, deja] { return acquis_ > deja || clos_; });
    return acquis_;
}

TamponEcrivain::int_type TamponEcrivain::overflow(int_type c) {
    passer();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize TamponEcrivain::xsputn(const char* texte, std::streamsize n) {
    for (std::streamsize reste = n; reste > 0;) {
        if (pptr() == epptr()) passer();
        const auto part = std::min<std::streamsize>(reste, epptr() - pptr());
        std::memcpy(pptr(), texte, static_cast<std::size_t>(part));
        pbump(static_cast<int>(part));
        texte += part;
        reste -= part;
    }
    return n;
}

TamponEcrivain::pos_type TamponEcrivain::seekoff(off_type decalage, std::ios_base::seekdir depart,
                                                 std::ios_base::openmode mode) {
    if (decalage != 0 || depart != std::ios_base::cur || mode != std::ios_base::out ||
        fichier_ == nullptr) {
        return pos_type(off_type(-1));
    }
    marque_ = debutCourant_ + static_cast<std::uint64_t>(pptr() - pbase());
    return pos_type(static_cast<off_type>(marque_));
}

TamponEcrivain::pos_type TamponEcrivain::seekpos(pos_type position, std::ios_base::openmode mode) {
    const auto cible = static_cast<std::uint64_t>(static_cast<off_type>(position));
    if (mode != std::ios_base::out || fichier_ == nullptr || cible != marque_) {
        return pos_type(off_type(-1));
    }
    std::vector<char>& tampon = tampons_[courant_];
    if (cible < debutCourant_) {
        // Already handed to the writer: once it has written it, the file goes back to the
        // mark and loses what follows. A file that cannot (a pipe) is not what it should be.
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return aEcrire_ == 0; });
        echec_ = echec_ || marqueFichierDe_ != cible ||
                 std::fsetpos(fichier_, &marqueFichier_) != 0 || !tronquerFichier(fichier_);
        debutCourant_ = cible;
        setp(tampon.data(), tampon.data() + tampon.size());
        return position;
    }
    setp(tampon.data(), tampon.data() + tampon.size());
    pbump(static_cast<int>(cible - debutCourant_));
    return position;
}
