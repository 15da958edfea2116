// Replays a fuzz target's corpus: every file of the folders given goes once through its entry
// point, built here with the normal compiler, so that ctest (and the sanitizer build) holds
// what the fuzzers hold on every run. A failed check traps.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char* argv[]) {
    int nombre = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& fichier : std::filesystem::directory_iterator(argv[i])) {
            ++nombre;
            std::ifstream flux(fichier.path(), std::ios_base::binary);
            const std::string octets{std::istreambuf_iterator<char>(flux), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()),
                                   octets.size());
        }
    }
    std::cout << nombre << " inputs replayed\n";
    return nombre > 0 ? 0 : 1;
}
