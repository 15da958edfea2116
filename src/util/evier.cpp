#include "util/evier.hpp"

#include <algorithm>

// One byte, as a write of one: end of file (a flush) gives nothing, and succeeds.
Evier::int_type Evier::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char octet = traits_type::to_char_type(c);
    xsputn(&octet, 1);
    return c;
}

std::streamsize Evier::xsputn(const char* texte, std::streamsize n) {
    taille_ += static_cast<std::uint64_t>(n);
    if (compterLignes_) lignes_ += static_cast<std::uint64_t>(std::count(texte, texte + n, '\n'));
    return n;
}

Evier::pos_type Evier::seekoff(off_type decalage, std::ios_base::seekdir depart,
                               std::ios_base::openmode mode) {
    if (depart != std::ios_base::beg) decalage += static_cast<off_type>(taille_);
    return seekpos(pos_type(decalage), mode);
}

Evier::pos_type Evier::seekpos(pos_type position, std::ios_base::openmode /*mode*/) {
    const auto place = static_cast<off_type>(position);
    if (place < 0 || static_cast<std::uint64_t>(place) > taille_) return pos_type(off_type(-1));
    taille_ = static_cast<std::uint64_t>(place);
    return position;
}
