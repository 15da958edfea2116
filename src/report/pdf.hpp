// The invoice file as a PDF to print: Letter pages, Courier 9.8 pt with WinAnsiEncoding (the
// file's bytes show as their Windows-1252 characters, é and the plain apostrophe included),
// one line of text to one line of the page. A form feed starts a new page, and so does a full
// page; blank lines that would open a page take no room. A line wider than 79 columns is
// drawn narrower, so that it fits between the margins. Nothing in it depends on the time.
#pragma once

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string_view>

// Lines of text on one page.
constexpr int lignesParPage = 54;

// Reads at most taille bytes of texte, the invoice file (CR LF line ends read as LF), and
// writes the PDF to flux; titre is the document's title. Streams: it holds one page, the
// longest line and one offset per PDF object. A short write marks flux bad, and so does
// texte giving fewer than taille bytes (a read error): the PDF would lack the rest.
// tailleLecture, the read buffer's first size, only changes how often it refills: tests
// shrink it.
void ecrireFacturesPdf(std::ostream& flux, std::streambuf& texte, std::uint64_t taille,
                       std::string_view titre, std::size_t tailleLecture = 1 << 18);
