// Reading the sales file field by field, as stream extraction (>>) in the "C" locale reads
// it, at a fraction of its cost. For every input each extraction gives the same value,
// fails on the same text, consumes the same bytes and meets the end of the data at the same
// point as >> on an istream:
// - white space is ' ', '\t', '\n', '\v', '\f' and '\r', skipped before every field;
// - a word is the longest run of other bytes;
// - an int is an optional sign and decimal digits; a value outside 32 bits fails;
// - a float is what the stream's grammar takes (sign, digits, one point, an exponent with
//   its sign), converted with correct rounding; text that is not a number, or a value
//   beyond the largest float, fails;
// - a char is the next byte that is not white space.
// Once an extraction has failed, or a read has met the end of the data, every further
// extraction fails and consumes nothing, as on a stream that is no longer good.
#pragma once

#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

struct Lecteur {
    std::streambuf* source = nullptr;
    std::vector<char> tampon;
    std::size_t position = 0;
    std::size_t fin = 0;
    std::size_t marque = 0;      // the start of the record being read: refills keep it
    bool sourceEpuisee = false;  // source has nothing more to give
    std::error_code erreur;      // why, when a read of source failed (a disk that fails)
    bool finAtteinte = false;    // a read met the end of the data (the stream's eofbit)
    bool echec = false;          // an extraction failed (the stream's failbit)
    long long ligne = 1;         // the line of the next byte, from 1
    long long ligneDonnee = 1;   // the line of the last byte read that is not white space
    std::string nombre;          // the text of a float handed to strtof
};

// A word read: where it starts, counted from the mark, and its length. Its bytes stay in the
// window, where they are read, instead of being copied.
struct Mot {
    std::size_t debut = 0;
    std::size_t longueur = 0;
    bool ascii = true;  // no byte of 0x80 or more: nothing to convert
};

// The size of the read window: a field that runs past its end is read on after a refill.
constexpr std::size_t tailleFenetre = 1 << 16;

// A reader of source, which must outlive it, starting where source stands. A read of source
// that fails ends its data there, with erreur saying why: it is never thrown. It reads ahead
// of what it hands out: source is of no further use once the reader has begun. fenetre only
// changes how often it refills: tests shrink it to a few bytes to reach every refill.
Lecteur ouvrirLecteur(std::streambuf& source, std::size_t fenetre = tailleFenetre);

// Marks the start of a record: the words read from here on stay readable until the next
// mark. A refill keeps the record's bytes, and the window grows if a record does not fit it.
void marquer(Lecteur& lecteur);

// The text of a word read since the last mark; valid until the next extraction.
std::string_view texte(const Lecteur& lecteur, Mot mot);

// The same bytes, to be rewritten in place: a word may grow shorter, never longer.
inline char* octets(Lecteur& lecteur, Mot mot) {
    return lecteur.tampon.data() + lecteur.marque + mot.debut;
}

// Skips white space, as std::ws does: meeting the end of the data sets finAtteinte; a
// reader that is not good fails.
void sauterBlancs(Lecteur& lecteur);

// Each extraction returns false when it fails; the destination is then left unchanged for a
// word and unspecified otherwise.
bool extraireMot(Lecteur& lecteur, Mot& mot);
bool extraireEntier(Lecteur& lecteur, int& valeur);
bool extraireReel(Lecteur& lecteur, float& valeur);
bool extraireCaractere(Lecteur& lecteur, char& valeur);

// Prices in cents are below a million dollars.
constexpr long long prixCentimesMax = 100000000;

// A price in exact cents: its decimal text rounded to the cent, a half away from zero, from
// its digits ("1.005" is 1.01 $); fails on any other text and on a price of a million
// dollars or more.
bool extraireCentimes(Lecteur& lecteur, long long& centimes);

// The white space between fields.
constexpr bool estBlanc(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// After a number has been extracted: true when white space or the end of the data follows
// it. Otherwise the reader fails, as on a field that cannot be read: "39,50" is no price.
// Inline: it runs after every number of the day.
inline bool finDeNombre(Lecteur& lecteur) {
    lecteur.echec = !lecteur.finAtteinte &&
                    !estBlanc(static_cast<unsigned char>(lecteur.tampon[lecteur.position]));
    return !lecteur.echec;
}

// After a failed read: the first n bytes at most of the field that begins at or after depuis
// (counted from the mark), up to the next white space; empty when only white space is left.
// It reads on as far as it needs: the reader is of no use for anything else afterwards.
std::string_view champApres(Lecteur& lecteur, std::size_t depuis, std::size_t n);
