// An output file written by a second thread: the program fills one buffer while the other
// is being written, so that the system's copies of a large invoice file overlap the
// formatting. The file is opened as an output file stream opens it: in text mode (CR LF line
// ends on Windows) or in binary mode.
#pragma once

#include <condition_variable>
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

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* texte, std::streamsize n) override;

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
};
