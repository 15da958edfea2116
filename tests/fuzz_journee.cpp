// Fuzz target: arbitrary bytes as a sales file, through the program's own reading,
// arithmetic and printers, into memory.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/journee.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::istringstream entree(std::string(reinterpret_cast<const char*>(donnees), taille));
    std::ostringstream sortie;
    std::ostringstream console;
    std::string dateFact;
    facturerJournee(entree, sortie, console, console, "vente.txt", dateFact, "\x82");
    // A report always tells the date it found.
    if (console.str().rfind("La date dans le fichier est : ", 0) != 0) __builtin_trap();
    return 0;
}
