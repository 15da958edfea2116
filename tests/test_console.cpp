// The terminal's charset as the environment names it: LC_ALL, then LC_CTYPE, then LANG, the
// first set and not empty; the charset's spelling does not matter.
#include <gtest/gtest.h>

#include <cstdlib>

#include "util/console.hpp"

TEST(Console, jeuDuTerminalSelonLEnvironnement) {
    struct Cas {
        const char* lcAll;
        const char* lcCtype;
        const char* lang;
        JeuConsole attendu;
    };
    const Cas cas[] = {
        {"C.UTF-8", "fr_CA.ISO-8859-1", nullptr, JeuConsole::Utf8},
        {"", "fr_CA.ISO-8859-1", "C.UTF-8", JeuConsole::Latin1},
        {nullptr, nullptr, "fr_FR.utf8@euro", JeuConsole::Utf8},
        {nullptr, nullptr, "fr_FR.ISO_8859-15", JeuConsole::Latin1},
        {nullptr, "en_US.cp1252", nullptr, JeuConsole::Latin1},
        {nullptr, nullptr, "fr_FR", JeuConsole::Cp850},
        {nullptr, nullptr, "POSIX", JeuConsole::Cp850},
        {nullptr, "ru_RU.KOI8-R", nullptr, JeuConsole::Cp850},
        {nullptr, nullptr, nullptr, JeuConsole::Cp850},
    };
    const auto poser = [](const char* nom, const char* valeur) {
        valeur == nullptr ? ::unsetenv(nom) : ::setenv(nom, valeur, 1);
    };
    for (const Cas& c : cas) {
        poser("LC_ALL", c.lcAll);
        poser("LC_CTYPE", c.lcCtype);
        poser("LANG", c.lang);
        EXPECT_EQ(jeuConsole(), c.attendu) << (c.lang == nullptr ? "" : c.lang);
    }
}
