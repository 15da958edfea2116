// The invoice file as a PDF to print: Letter pages, Courier 9.8 pt with WinAnsiEncoding (the
// file's bytes show as their Windows-1252 characters, é and the plain apostrophe included),
// one line of text to one line of the page. A form feed starts a new page, and so does a full
// page; blank lines that would open a page take no room. A line wider than 79 columns is
// drawn narrower, so that it fits between the margins. Nothing in it depends on the time.
#pragma once

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "report/reperes.hpp"

// Lines of text on one page.
constexpr int lignesParPage = 54;

// Reads at most taille bytes of texte, the invoice file (CR LF line ends read as LF), with
// sgetn until it gives none, and writes the PDF to flux; returns the bytes read, which the
// caller compares with what the text holds (fewer: a read error). titre, the document's
// title, is read once the text has ended. reperes (null: none) says where each invoice and
// the summary begin: each begins a page and an outline item, and an invoice's pages are
// numbered "page k/n" and, after its first, open on its head. Streams: it holds one page,
// the longest line, an invoice's head and one offset per PDF object. A short write marks flux bad.
// tailleLecture, the read buffer's first size, only changes how often it refills: tests shrink it.
std::uint64_t ecrireFacturesPdf(std::ostream& flux, std::streambuf& texte, std::uint64_t taille,
                                const std::string& titre, FileReperes* reperes,
                                std::size_t tailleLecture = 1 << 18);
