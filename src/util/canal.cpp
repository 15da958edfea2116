#include "util/canal.hpp"

#include <algorithm>
#include <cstring>

void CanalTexte::donner(const char* octets, std::size_t n) {
    std::unique_lock<std::mutex> verrou(verrou_);
    donnes_ += n;
    while (n > 0) {
        signal_.wait(verrou, [this] { return !lecteur_ || enAttente_ < anneau_.size(); });
        if (!lecteur_) return;  // nobody reads: nothing to keep
        // Into the free room after the bytes waiting, up to the ring's end.
        const std::size_t fin = (debut_ + enAttente_) % anneau_.size();
        const std::size_t part = std::min({n, anneau_.size() - enAttente_, anneau_.size() - fin});
        // One giver, one reader: the reader does not touch this room until it is counted.
        verrou.unlock();
        std::memcpy(anneau_.data() + fin, octets, part);
        verrou.lock();
        enAttente_ += part;
        octets += part;
        n -= part;
        signal_.notify_all();
    }
}

void CanalTexte::finir(const std::string& titre) {
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        titre_ = titre;
        fin_ = true;
    }
    signal_.notify_all();
}

std::uint64_t CanalTexte::donnes() {
    const std::lock_guard<std::mutex> verrou(verrou_);
    return donnes_;
}

void CanalTexte::lecteur(bool present) {
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        lecteur_ = present;
        if (!present) enAttente_ = 0;
    }
    signal_.notify_all();
}

std::streamsize CanalTexte::xsgetn(char* tampon, std::streamsize n) {
    std::unique_lock<std::mutex> verrou(verrou_);
    signal_.wait(verrou, [this] { return enAttente_ > 0 || fin_; });
    const std::size_t lus =
        std::min({static_cast<std::size_t>(n), enAttente_, anneau_.size() - debut_});
    // Nor does the giver touch these bytes until they are no longer counted.
    verrou.unlock();
    std::memcpy(tampon, anneau_.data() + debut_, lus);
    verrou.lock();
    debut_ = (debut_ + lus) % anneau_.size();
    enAttente_ -= lus;
    verrou.unlock();
    signal_.notify_all();
    return static_cast<std::streamsize>(lus);
}
