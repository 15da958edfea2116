#include "util/canal.hpp"

#include <algorithm>
#include <cstring>

void CanalTexte::donner(const char* octets, std::size_t n) {
    if (n == 0) return;
    std::unique_lock<std::mutex> verrou(verrou_);
    signal_.wait(verrou, [this] { return !lecteur_ || enAttente_ < limite_; });
    donnes_ += n;
    if (!lecteur_) return;  // nobody reads: nothing to keep
    morceaux_.emplace_back(octets, octets + n);
    enAttente_ += n;
    verrou.unlock();
    signal_.notify_all();
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
        if (!present) {
            morceaux_.clear();
            enAttente_ = 0;
        }
    }
    signal_.notify_all();
}

std::streamsize CanalTexte::xsgetn(char* tampon, std::streamsize n) {
    std::unique_lock<std::mutex> verrou(verrou_);
    signal_.wait(verrou, [this] { return !morceaux_.empty() || fin_; });
    std::size_t lus = 0;
    const auto voulus = static_cast<std::size_t>(n);
    while (lus < voulus && !morceaux_.empty()) {
        const std::vector<char>& premier = morceaux_.front();
        const std::size_t part = std::min(voulus - lus, premier.size() - lusDuPremier_);
        std::memcpy(tampon + lus, premier.data() + lusDuPremier_, part);
        lus += part;
        lusDuPremier_ += part;
        if (lusDuPremier_ == premier.size()) {
            morceaux_.pop_front();
            lusDuPremier_ = 0;
        }
    }
    enAttente_ -= lus;
    verrou.unlock();
    signal_.notify_all();
    return static_cast<std::streamsize>(lus);
}
