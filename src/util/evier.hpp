// A stream buffer that keeps nothing: what a run computes but does not write (a period's
// report reads each day as its invoicing would) goes there, counted.
#pragma once

#include <cstdint>
#include <streambuf>

class Evier : public std::streambuf {
  public:
    // compterLignes: for messages that are counted, not shown (a text that is only dropped
    // is not looked at).
    explicit Evier(bool compterLignes = false) : compterLignes_(compterLignes) {}

    // The lines given so far (their line ends), when they are counted.
    std::uint64_t lignes() const { return lignes_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* texte, std::streamsize n) override;
    // The place told is the count of bytes given: an invoice taken back goes back there.
    pos_type seekoff(off_type decalage, std::ios_base::seekdir depart,
                     std::ios_base::openmode mode) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override;

  private:
    std::uint64_t taille_ = 0;
    std::uint64_t lignes_ = 0;
    bool compterLignes_;
};
