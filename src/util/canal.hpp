// Bytes handed from the thread that makes them to the thread that reads them, through a ring
// of a fixed size: the giver waits while the reader is that far behind, and memory stays
// that of the ring. The reader takes
// them as a stream buffer, with sgetn, until the giver has said the end; what comes with the
// end (a title) is read after it, under the same lock, so that no thread reads it early.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <streambuf>
#include <string>
#include <vector>

class CanalTexte : public std::streambuf {
  public:
    // taille: the ring's, the most bytes waiting.
    explicit CanalTexte(std::size_t taille = 2 << 20) : anneau_(taille) {}

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

    std::vector<char> anneau_;
    std::mutex verrou_;
    std::condition_variable signal_;
    std::size_t debut_ = 0;      // where the bytes waiting begin in the ring
    std::size_t enAttente_ = 0;  // bytes given and not read
    std::uint64_t donnes_ = 0;
    bool lecteur_ = false;
    bool fin_ = false;
    std::string titre_;
};
