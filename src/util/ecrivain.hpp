// An output file written by a second thread: the program fills one buffer while the other
// is being written, so that the system's copies of a large invoice file overlap the
// formatting. The file is opened as an output file stream opens it: in text mode (CR LF line
// ends on Windows) or in binary mode.
//
// Telling the position (tellp) marks it; seeking back (seekp) to the position last told
// drops everything written since, from the buffers or from the file, which is cut back there:
// an invoice that cannot be finished is taken back without being held in memory.
//
// What precedes the position last told is there for good once it is in the file: another
// thread may read the file back that far (attendreAcquis) while it is being written.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

class TamponEcrivain : public std::streambuf {
  public:
    // taille: the size of each of the two buffers (tests shrink it).
    explicit TamponEcrivain(std::size_t taille = 1 << 20);
    ~TamponEcrivain() override;

    // Creates or empties nom for writing; false when it cannot be.
    bool ouvrir(const std::string& nom, bool binaire = false);

    // Writes what is left, waits for every write and closes the file; false when a write
    // failed. Once one has failed, nothing more is written.
    bool fermer();

    // From another thread: waits until the file holds for good more than its first deja
    // bytes, or is closed, and returns how many it holds for good (deja: no more to come).
    // Bytes of the file, CR LF line ends included; a write that failed gives no more.
    std::uint64_t attendreAcquis(std::uint64_t deja);

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* texte, std::streamsize n) override;
    pos_type seekoff(off_type decalage, std::ios_base::seekdir depart,
                     std::ios_base::openmode mode) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override;

  private:
    void passer();
    void ecrire();

    std::FILE* fichier_ = nullptr;
    std::vector<char> tampons_[2];
    int courant_ = 0;
    std::thread ecrivain_;
    std::mutex verrou_;
    std::condition_variable signal_;
    std::size_t aEcrire_ = 0;  // bytes of the other buffer handed over; 0: the writer waits
    bool fini_ = false;
    bool echec_ = false;
    // Positions count the bytes given to the buffer since the file was opened.
    std::uint64_t debutCourant_ = 0;  // the position of the current buffer's first byte
    std::uint64_t marque_ = 0;        // the position last told
    // Where the mark is in the buffer handed over (aucuneMarque: elsewhere), and where the
    // writer found it in the file, for marqueFichierDe_.
    static constexpr std::size_t aucuneMarque = static_cast<std::size_t>(-1);
    std::size_t marqueAEcrire_ = aucuneMarque;
    std::fpos_t marqueFichier_{};
    std::uint64_t marqueFichierDe_ = static_cast<std::uint64_t>(-1);
    bool marqueApres_ = false;  // the mark follows the whole buffer handed over
    std::uint64_t acquis_ = 0;  // bytes of the file there for good
    bool clos_ = false;
};
