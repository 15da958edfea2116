#include "util/prefixe.hpp"

#include <utility>

TamponPrefixe::TamponPrefixe(std::streambuf& cible, std::string prefixe)
    : cible_(cible), prefixe_(std::move(prefixe)) {}

TamponPrefixe::int_type TamponPrefixe::overflow(int_type c) {
    // GCOVR_EXCL_BR_START: the stream hands it characters only; an end of file is a no-op
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    // GCOVR_EXCL_BR_STOP
    const auto longueur = static_cast<std::streamsize>(prefixe_.size());
    if (debutDeLigne_ && cible_.sputn(prefixe_.data(), longueur) != longueur) {
        return traits_type::eof();
    }
    debutDeLigne_ = traits_type::eq_int_type(c, traits_type::to_int_type('\n'));
    return cible_.sputc(traits_type::to_char_type(c));
}

int TamponPrefixe::sync() {
    return cible_.pubsync();
}
