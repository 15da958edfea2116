// An output file written by a thread of its own: the program fills one buffer while the
// other is being written, so that the system's copies of a large file overlap the
// formatting. The file is opened as an output file stream opens it, in text mode (CR LF line
// ends on Windows) or in binary mode; it may be a pipe or a device as well as a file. Without
// a thread to be had, it is written by the program's own, buffer by buffer.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

class Ecrivain : public std::streambuf {
  public:
    // taille: the size of each of the two buffers (tests shrink it).
    explicit Ecrivain(std::size_t taille = 1 << 20);
    // Closes the file, joining the thread, on every path.
    ~Ecrivain() override;
    Ecrivain(const Ecrivain&) = delete;
    Ecrivain& operator=(const Ecrivain&) = delete;

    // Creates or empties nom for writing; false when it cannot be.
    bool ouvrir(const std::string& nom, bool binaire = false);

    // On an open file, writes the first n bytes of octets after what was written, without
    // copying them: the vector becomes one of the writer's buffers, and the caller gets in
    // exchange one that is no longer written (its room to reuse; its bytes mean nothing).
    void confier(std::vector<char>& octets, std::size_t n);

    // Writes what is left, waits for every write and closes the file; false when a write
    // failed. Once one has failed, nothing more is written.
    bool fermer();

  protected:
    static constexpr std::size_t aucune = static_cast<std::size_t>(-1);

    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* texte, std::streamsize n) override;

    // Told, on the program's thread, each buffer about to be handed over, with the place of
    // its first byte among all the bytes given since the file was opened; returns the offset
    // in it whose place in the file the writer is to note (aucune: none).
    virtual std::size_t remettre(const char* /*octets*/, std::size_t /*n*/,
                                 std::uint64_t /*debut*/) {
        return aucune;
    }

    // Hands the buffer filled to the writer and goes on in the other one.
    void passer();

    // Waits until everything handed over is written: the file is then the caller's until
    // the next write.
    void attendre();

    // After attendre: the file, where the last byte noted fell in it (false: none could be
    // noted, as on a pipe), and whether a write failed.
    std::FILE* fichier() const { return fichier_; }
    bool positionNotee(std::fpos_t& position) const;
    bool echoue() const { return echec_; }
    void echouer() { echec_ = true; }

    // The place of the current buffer's first byte; moved back by a take-back.
    std::uint64_t debutCourant() const { return debutCourant_; }
    void recommencerA(std::uint64_t position, std::size_t dansTampon);

  private:
    void ecrireTampon(const char* octets, std::size_t taille, std::size_t noter);
    void ecrire();

    std::FILE* fichier_ = nullptr;
    std::vector<char> tampons_[2];
    int courant_ = 0;
    std::thread ecrivain_;  // none: the program's own thread writes
    std::mutex verrou_;
    std::condition_variable signal_;
    std::size_t aEcrire_ = 0;  // bytes of the other buffer handed over; 0: the writer waits
    std::size_t noterAEcrire_ = aucune;
    bool fini_ = false;
    bool echec_ = false;
    std::uint64_t debutCourant_ = 0;
    bool note_ = false;
    std::fpos_t positionNotee_{};
};
