// The PDF's outline titles, written as every viewer shows them.
#pragma once

#include <string>
#include <string_view>

// A title holding a byte above 127, the store's Windows-1252, as a PDF hex string of UTF-16BE
// after its byte-order mark (an undefined byte as U+FFFD).
std::string titreUtf16(std::string_view titre);
