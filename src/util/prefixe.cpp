#include "util/prefixe.hpp"

#include <utility>

TamponPrefixe::TamponPrefixe(std::streambuf& cible, std::string prefixe)
    : cible_(cible), prefixe_(std::move(prefixe)), ligne_(prefixe_) {}

TamponPrefixe::~TamponPrefixe() {
    if (ligne_.size() > prefixe_.size()) envoyer();
}

bool TamponPrefixe::envoyer() {
    const auto longueur = static_cast<std::streamsize>(ligne_.size());
    const bool ecrit = cible_.sputn(ligne_.data(), longueur) == longueur;
    ligne_ = prefixe_;
    return ecrit;
}

TamponPrefixe::int_type TamponPrefixe::overflow(int_type c) {
    // GCOVR_EXCL_BR_START: the stream hands it characters only; an end of file is a no-op
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    // GCOVR_EXCL_BR_STOP
    const char caractere = traits_type::to_char_type(c);
    return xsputn(&caractere, 1) == 1 ? c : traits_type::eof();
}

std::streamsize TamponPrefixe::xsputn(const char* texte, std::streamsize n) {
    for (std::streamsize i = 0; i < n; ++i) {
        ligne_ += texte[i];
        if (texte[i] == '\n' && !envoyer()) return i;
    }
    return n;
}
