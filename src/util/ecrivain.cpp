#include "util/ecrivain.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <system_error>

Ecrivain::Ecrivain(std::size_t taille) {
    for (std::vector<char>& tampon : tampons_) tampon.resize(std::max<std::size_t>(taille, 1));
}

Ecrivain::~Ecrivain() {
    fermer();
}

bool Ecrivain::ouvrir(const std::string& nom, bool binaire) {
    fichier_ = std::fopen(nom.c_str(), binaire ? "wb" : "w");
    if (fichier_ == nullptr) return false;
    std::setvbuf(fichier_, nullptr, _IONBF, 0);  // the buffers here are enough
    echec_ = false;
    fini_ = false;
    note_ = false;
    courant_ = 0;
    debutCourant_ = 0;
    setp(tampons_[0].data(), tampons_[0].data() + tampons_[0].size());
    try {
        ecrivain_ = std::thread(&Ecrivain::ecrire, this);
    } catch (const std::system_error&) {
        // No thread to be had: passer writes each buffer itself.
    }
    return true;
}

bool Ecrivain::fermer() {
    if (fichier_ == nullptr) return true;
    passer();
    attendre();
    if (ecrivain_.joinable()) {
        {
            const std::lock_guard<std::mutex> verrou(verrou_);
            fini_ = true;
        }
        signal_.notify_all();
        ecrivain_.join();
    }
    const bool ferme = std::fclose(fichier_) == 0;
    fichier_ = nullptr;
    setp(nullptr, nullptr);
    return ferme && !echec_;  // GCOVR_EXCL_BR_LINE: a close that fails after the writes
}

void Ecrivain::passer() {
    const auto plein = static_cast<std::size_t>(pptr() - pbase());
    if (plein > 0) {
        const std::size_t noter = remettre(pbase(), plein, debutCourant_);
        if (!ecrivain_.joinable()) {
            ecrireTampon(pbase(), plein, noter);
        } else {
            std::unique_lock<std::mutex> verrou(verrou_);
            signal_.wait(verrou, [this] { return aEcrire_ == 0; });
            aEcrire_ = plein;
            noterAEcrire_ = noter;
            courant_ = 1 - courant_;
            verrou.unlock();
            signal_.notify_all();
        }
        debutCourant_ += plein;
    }
    std::vector<char>& tampon = tampons_[courant_];
    setp(tampon.data(), tampon.data() + tampon.size());
}

// The buffer being filled is free once passer has handed it over: the writer only reads the
// other one.
void Ecrivain::confier(std::vector<char>& octets, std::size_t n) {
    passer();
    std::swap(tampons_[courant_], octets);
    recommencerA(debutCourant_, n);
    passer();
}

void Ecrivain::attendre() {
    std::unique_lock<std::mutex> verrou(verrou_);
    signal_.wait(verrou, [this] { return aEcrire_ == 0; });
}

bool Ecrivain::positionNotee(std::fpos_t& position) const {
    position = positionNotee_;
    return note_;
}

void Ecrivain::recommencerA(std::uint64_t position, std::size_t dansTampon) {
    debutCourant_ = position;
    std::vector<char>& tampon = tampons_[courant_];
    setp(tampon.data(), tampon.data() + tampon.size());
    // pbump counts in int: a buffer handed over whole may hold more.
    for (constexpr auto pas = static_cast<std::size_t>(std::numeric_limits<int>::max());
         dansTampon > pas; dansTampon -= pas) {
        pbump(static_cast<int>(pas));  // GCOVR_EXCL_LINE: a PDF page of over 2 GB
    }
    pbump(static_cast<int>(dansTampon));
}

// In two parts when a place is to be noted: in text mode on Windows, a line end before it
// takes two bytes. A place that cannot be had (a pipe) is no failure: only a take-back
// needs it.
void Ecrivain::ecrireTampon(const char* octets, std::size_t taille, std::size_t noter) {
    bool ecrit = false;
    {
        const std::lock_guard<std::mutex> verrou(verrou_);
        ecrit = !echec_;
    }
    bool note = false;
    std::fpos_t position{};
    std::size_t debut = 0;
    if (ecrit && noter != aucune) {
        ecrit = std::fwrite(octets, 1, noter, fichier_) == noter;
        note = ecrit && std::fgetpos(fichier_, &position) == 0;
        debut = noter;
    }
    ecrit = ecrit && std::fwrite(octets + debut, 1, taille - debut, fichier_) == taille - debut;
    const std::lock_guard<std::mutex> verrou(verrou_);
    echec_ = echec_ || !ecrit;
    if (noter != aucune) {
        note_ = note;
        positionNotee_ = position;
    }
}

void Ecrivain::ecrire() {
    for (;;) {
        std::unique_lock<std::mutex> verrou(verrou_);
        signal_.wait(verrou, [this] { return aEcrire_ > 0 || fini_; });
        if (aEcrire_ == 0) return;
        // The buffer handed over is the one the program is not filling.
        const std::vector<char>& tampon = tampons_[1 - courant_];
        const std::size_t taille = aEcrire_;
        const std::size_t noter = noterAEcrire_;
        verrou.unlock();
        ecrireTampon(tampon.data(), taille, noter);
        verrou.lock();
        aEcrire_ = 0;
        verrou.unlock();
        signal_.notify_all();
    }
}

Ecrivain::int_type Ecrivain::overflow(int_type c) {
    passer();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize Ecrivain::xsputn(const char* texte, std::streamsize n) {
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
