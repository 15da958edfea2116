// Bytes handed from the thread that makes them to the thread that reads them, a few buffers
// at most in between: the giver waits while the reader is that far behind. The reader takes
// them as a stream buffer, with sgetn, until the giver has said the end; what comes with the
// end (a title) is read after it, under the same lock, so that no thread reads it early.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <streambuf>
#include <string>
#include <vector>

class CanalTexte : public std::streambuf {
  public:
    // limite: the bytes waiting beyond which the giver waits.
    explicit CanalTexte(std::size_t limite = 4 << 20) : limite_(limite) {}

    // The giver's side: copies n bytes in, waiting while the reader is behind (not when it
    // has stopped reading, or never started); then the end, with its title.
    void donner(const char* octets, std::size_t n);
    void finir(const std::string& titre);

    // The reader's side: it reads (sgetn) until the end, then the title; or it stops reading,
    // after which the giver no longer waits.
    const std::string& titre() const { return titre_; }
    void lire() { lecteur(true); }
    void abandonner() { lecteur(false); }

    // The bytes given so far, end or not.
    std::uint64_t donnes();

  protected:
    std::streamsize xsgetn(char* tampon, std::streamsize n) override;

  private:
    void lecteur(bool present);

    const std::size_t limite_;
    std::mutex verrou_;
    std::condition_variable signal_;
    std::deque<std::vector<char>> morceaux_;
    std::size_t lusDuPremier_ = 0;  // of the first piece, already read
    std::size_t enAttente_ = 0;     // bytes given and not read
    std::uint64_t donnes_ = 0;
    bool lecteur_ = false;
    bool fin_ = false;
    std::string titre_;
};
