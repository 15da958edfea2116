// The invoice file's writer: an invoice that cannot be finished is taken back, and what is
// there for good is handed, as it is, to a reader on another thread (the PDF drawn beside
// the text).
//
// Telling the position (tellp) marks it; seeking back (seekp) to the position last told
// drops everything written since, from the buffers or from the file, which is cut back there
// (a file that cannot be cut, such as a pipe, makes it a failed write). What precedes the
// mark is there for good: it goes to the reader as the buffers are handed over, and the rest
// once the file is closed. Bytes after the mark already in the file wait, in memory, until
// they are there for good or dropped: an invoice longer than the buffers costs its length,
// and only with a reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "util/canal.hpp"
#include "util/ecrivain.hpp"

class EcrivainFacture : public Ecrivain {
  public:
    using Ecrivain::Ecrivain;

    // As Ecrivain::ouvrir; lecteur, if any, is given the bytes there for good.
    bool ouvrir(const std::string& nom, CanalTexte* lecteur = nullptr, bool binaire = false);

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

    CanalTexte* lecteur_ = nullptr;
    std::uint64_t marque_ = 0;   // the position last told
    std::uint64_t livres_ = 0;   // bytes handed to the reader
    std::vector<char> retenue_;  // those that follow, already handed to the file
    std::uint64_t marqueNotee_ = static_cast<std::uint64_t>(-1);  // the mark the file knows
};
