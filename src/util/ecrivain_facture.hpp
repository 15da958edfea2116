// The invoice file's writer: an invoice that cannot be finished is taken back, and what is
// there for good is handed, as it is, to a reader on another thread (the PDF drawn beside
// the text).
//
// Telling the position (tellp) marks it; seeking back (seekp) to the position last told
// drops everything written since, from the buffers or from the file, which is cut back there
// (a file that cannot be cut, such as a pipe, makes it a failed write). What precedes the
// mark is there for good: it goes to the reader as the buffers are handed over, and the rest
// once the file is closed. Bytes after the mark already in the file wait, in memory, until
// they are there for good or dropped; past seuil bytes they wait in a file of the caller's
// instead, so that an invoice of any length costs the same memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "util/canal.hpp"
#include "util/ecrivain.hpp"

class EcrivainFacture : public Ecrivain {
  public:
    // taille: each buffer's, as Ecrivain's; seuil: the most bytes held in memory for the
    // reader (tests shrink both).
    explicit EcrivainFacture(std::size_t taille = 1 << 20, std::size_t seuil = 4 << 20)
        : Ecrivain(taille), seuil_(seuil) {}
    ~EcrivainFacture() override;
    EcrivainFacture(const EcrivainFacture&) = delete;
    EcrivainFacture& operator=(const EcrivainFacture&) = delete;

    // As Ecrivain::ouvrir; lecteur, if any, is given the bytes there for good. debordement
    // names the file where the bytes waiting past seuil go (none: they wait in memory); it
    // is removed once the file is closed.
    bool ouvrir(const std::string& nom, CanalTexte* lecteur = nullptr, bool binaire = false,
                const std::string& debordement = {});

    // As Ecrivain::fermer: everything written is then there for good, and handed over.
    bool fermer();

  protected:
    std::size_t remettre(const char* octets, std::size_t n, std::uint64_t debut) override;
    pos_type seekoff(off_type decalage, std::ios_base::seekdir depart,
                     std::ios_base::openmode mode) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override;

  private:
    std::uint64_t position() const;
    void livrerRetenue();
    void retenir(const char* octets, std::size_t n);
    void garderRetenus(std::uint64_t n);
    void fermerDebordement();

    CanalTexte* lecteur_ = nullptr;
    std::uint64_t marque_ = 0;          // the position last told
    std::uint64_t livres_ = 0;          // bytes handed to the reader
    std::vector<char> retenue_;         // those that follow, already handed to the file, after
    std::FILE* debordement_ = nullptr;  // those held in the file past seuil_, if any
    std::string nomDebordement_;
    std::uint64_t debordes_ = 0;     // bytes written to it
    std::uint64_t lusDebordes_ = 0;  // of those, handed to the reader
    std::size_t seuil_;
    std::uint64_t marqueNotee_ = static_cast<std::uint64_t>(-1);  // the mark the file knows
};
