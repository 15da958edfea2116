// The store's texts are Windows-1252 bytes: the invoice's columns count bytes and the PDF
// draws each byte as its Windows-1252 character. Today's tools write sales files in UTF-8.
#pragma once

#include <cstddef>

// The character of a Windows-1252 byte; 0 for the five bytes it leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D).
char32_t caractereWindows1252(unsigned char octet);

// Writes at sortie the UTF-8 bytes (three at most) of a Windows-1252 byte's character, U+FFFD
// for the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D); returns
// the end of what it wrote.
char* versUtf8(unsigned char octet, char* sortie);

// A word that is valid UTF-8 (RFC 3629: no overlong form, no surrogate, nothing above
// U+10FFFF) and holds at least one multi-byte sequence is rewritten in place in
// Windows-1252: each character becomes its byte, or '?' when it has none (C1 controls
// included). Returns the word's new length; any other word keeps its bytes and its length.
std::size_t utf8VersWindows1252(char* mot, std::size_t longueur);
