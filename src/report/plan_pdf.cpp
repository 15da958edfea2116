#include "report/plan_pdf.hpp"

#include "util/windows1252.hpp"

std::string titreUtf16(std::string_view titre) {
    constexpr char hex[] = "0123456789ABCDEF";
    std::string resultat = "<FEFF";
    for (const char c : titre) {
        char32_t u = caractereWindows1252(static_cast<unsigned char>(c));
        if (u == 0) u = 0xFFFD;
        for (int decalage = 12; decalage >= 0; decalage -= 4)
            resultat += hex[(u >> decalage) & 0xF];
    }
    return resultat + ">";
}
