#include <io.h>
#include <stdio.h>
#include <windows.h>

#include <climits>
#include <cstdint>

#include "util/console.hpp"

std::size_t lireEntreeStandard(char* tampon, std::size_t taille) {
    const unsigned int demande = taille > INT_MAX ? INT_MAX : static_cast<unsigned int>(taille);
    const int lus = ::_read(0, tampon, demande);
    return lus > 0 ? static_cast<std::size_t>(lus) : 0;
}

bool placerEntreeALaFin() {
    // A console or a pipe cannot be moved; the C library does not always say so itself.
    if (::GetFileType(::GetStdHandle(STD_INPUT_HANDLE)) != FILE_TYPE_DISK) return false;
    return ::_lseeki64(0, 0, SEEK_END) >= 0;
}

// A console, not any character device: the NUL device is one too.
bool entreeEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

void viderTerminal() {
    ::FlushConsoleInputBuffer(::GetStdHandle(STD_INPUT_HANDLE));
}

bool sortieEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

bool erreurEstTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

JeuConsole jeuConsole() {
    switch (::GetConsoleOutputCP()) {
        case 1252:
            return JeuConsole::Windows1252;
        case 28591:
        case 28605:
            return JeuConsole::Latin1;
        case 65001:
            return JeuConsole::Utf8;
        default:  // 850, 437 and the others
            return JeuConsole::Cp850;
    }
}

// No signal there: the write fails. A program started without a console's handles has
// descriptors the C library leaves unused.
void preparerProcessus() {}

bool tronquerFichier(std::FILE* fichier) {
    const __int64 position = ::_ftelli64(fichier);
    return position >= 0 && ::_chsize_s(::_fileno(fichier), position) == 0;
}

namespace {

std::error_code erreurSysteme() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

}  // namespace

// The name itself opened, a link not followed: a link (a reparse point), a directory or a
// device is no file of the disk to replace.
Nature natureFichier(const std::string& nom) {
    const HANDLE fichier = ::CreateFileA(
        nom.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        const DWORD erreur = ::GetLastError();
        return erreur == ERROR_FILE_NOT_FOUND || erreur == ERROR_PATH_NOT_FOUND ? Nature::Absent
                                                                                : Nature::Autre;
    }
    BY_HANDLE_FILE_INFORMATION informations{};
    const bool disque = ::GetFileType(fichier) == FILE_TYPE_DISK &&
                        ::GetFileInformationByHandle(fichier, &informations) != 0 &&
                        (informations.dwFileAttributes &
                         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    ::CloseHandle(fichier);
    return disque ? Nature::Ordinaire : Nature::Autre;
}

bool identiteFichier(const std::string& nom, IdentiteFichier& identite) {
    WIN32_FILE_ATTRIBUTE_DATA donnees{};
    if (::GetFileAttributesExA(nom.c_str(), GetFileExInfoStandard, &donnees) == 0) return false;
    const auto mot = [](DWORD haut, DWORD bas) {
        return (static_cast<std::uint64_t>(haut) << 32) | bas;
    };
    identite = {mot(donnees.nFileSizeHigh, donnees.nFileSizeLow),
                static_cast<std::int64_t>(mot(donnees.ftLastWriteTime.dwHighDateTime,
                                              donnees.ftLastWriteTime.dwLowDateTime)),
                0};
    return true;
}

std::error_code forcerFichier(const std::string& nom) {
    const HANDLE fichier =
        ::CreateFileA(nom.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) return erreurSysteme();
    std::error_code code;
    if (::FlushFileBuffers(fichier) == 0) code = erreurSysteme();
    ::CloseHandle(fichier);
    return code;
}

// NTFS keeps its names in its own journal; a move written through is on the disk.
std::error_code forcerDossier(const std::string& /*dossier*/) {
    return {};
}

std::error_code remplacerFichier(const std::string& source, const std::string& cible) {
    if (::MoveFileExA(source.c_str(), cible.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return {};
    }
    return erreurSysteme();
}

std::error_code retirerFichier(const std::string& nom) {
    return ::DeleteFileA(nom.c_str()) != 0 ? std::error_code() : erreurSysteme();
}

long numeroProcessus() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool processusVivant(long numero) {
    const HANDLE processus = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(numero));
    if (processus == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool vivant = ::WaitForSingleObject(processus, 0) == WAIT_TIMEOUT;
    ::CloseHandle(processus);
    return vivant;
}

namespace {

void (*actionInterruption)() = nullptr;

// On a thread of its own; FALSE: the next handler, the system's, ends the program.
BOOL WINAPI interrompre(DWORD /*evenement*/) {
    actionInterruption();
    return FALSE;
}

}  // namespace

void siInterrompu(void (*action)()) {
    actionInterruption = action;
    ::SetConsoleCtrlHandler(interrompre, TRUE);
}
