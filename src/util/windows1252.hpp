// The store's texts are Windows-1252 bytes: the invoice's columns count bytes and the PDF
// draws each byte as its Windows-1252 character. Today's tools write sales files in UTF-8.
#pragma once

#include <cstddef>

// A word that is valid UTF-8 (RFC 3629: no overlong form, no surrogate, nothing above
// U+10FFFF) and holds at least one multi-byte sequence is rewritten in place in
// Windows-1252: each character becomes its byte, or '?' when it has none (C1 controls
// included). Returns the word's new length; any other word keeps its bytes and its length.
std::size_t utf8VersWindows1252(char* mot, std::size_t longueur);
