// Words of ASCII letters compared in either case: "VIP" is "vip", "Vente" is "vente".
#pragma once

#include <algorithm>
#include <string_view>

// Whether a and b are the same word, each letter in either case (its two forms one bit apart).
inline bool memeMotSansCasse(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}
