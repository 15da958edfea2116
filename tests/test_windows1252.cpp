// A sales file's UTF-8 words become the store's Windows-1252 bytes; anything that is not
// valid UTF-8 keeps its bytes. Every length of sequence, the edges of each range, the 27
// characters of 0x80 to 0x9F (as Python's cp1252 codec gives them), and the forms RFC 3629
// refuses.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "util/windows1252.hpp"

static std::string converti(std::string mot) {
    mot.resize(utf8VersWindows1252(mot.data(), mot.size()));
    return mot;
}

TEST(Windows1252, depuisUtf8) {
    const std::pair<std::string, std::string> convertis[] = {
        {"chemise", "chemise"},
        {"H\xC3\xA9l\xC3\xA8ne-C\xC3\xB4t\xC3\xA9", "H\xE9l\xE8ne-C\xF4t\xE9"},
        {"\xC2\xA0\xC3\xBF\xC2\x80\xC2\x9F\xDF\xBF", "\xA0\xFF???"},  // U+00A0, FF, C1, 7FF
        {"Nguy\xE1\xBB\x85n", "Nguy?n"},
        {"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", "????"},  // U+0800 D7FF E000 FFFF
        {"\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", "???"},   // U+10000 1F600 10FFFF
        {"\xE2\x82\xAC\xE2\x80\x9A\xC6\x92\xE2\x80\x9E\xE2\x80\xA6\xE2\x80\xA0\xE2\x80\xA1\xCB"
         "\x86\xE2\x80\xB0\xC5\xA0\xE2\x80\xB9\xC5\x92\xC5\xBD\xE2\x80\x98\xE2\x80\x99\xE2\x80"
         "\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94\xCB\x9C\xE2\x84\xA2\xC5\xA1\xE2"
         "\x80\xBA\xC5\x93\xC5\xBE\xC5\xB8",
         "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98"
         "\x99\x9A\x9B\x9C\x9E\x9F"}};
    for (const auto& [mot, attendu] : convertis) EXPECT_EQ(converti(mot), attendu) << mot;
    // Windows-1252 already, overlong forms, surrogates, above U+10FFFF, bytes above F4,
    // truncated sequences, a lone or a wrong continuation byte.
    for (const std::string mot :
         {"H\xE9l\xE8ne", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
          "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\xC3",
          "a\xE2\x82", "\xF0\x9F\x98", "\xC3\xA9\x80", "\xC3\x28"}) {
        EXPECT_EQ(converti(mot), mot);
    }
}
