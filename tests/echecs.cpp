// Preloaded before the program (LD_PRELOAD): system calls that fail as a dying system makes
// them fail, each when its variable says, the others going through.
//   FACTURATION_ECHEC_THREAD_N    the Nth pthread_create fails, as out of threads
//   FACTURATION_ECHEC_LECTURE_N   a sales file (vente*) gives N bytes, then EIO
//   FACTURATION_ECHEC_ECRITURE_N  the Nth fwrite to a file kills the program (SIGKILL, or
//                                 the signal FACTURATION_ECHEC_SIGNAL_N)
//   FACTURATION_ECHEC_RETRAIT     removing the file of that name fails with EPERM
//   FACTURATION_ECHEC_FSYNC_N     the Nth fsync fails with EIO
//   FACTURATION_ECHEC_RENOMMAGE   renaming a file to that name fails with EACCES
#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <typename Appel>
Appel suivant(const char* nom) {
    return reinterpret_cast<Appel>(dlsym(RTLD_NEXT, nom));
}

long valeur(const char* variable) {
    const char* const texte = std::getenv(variable);
    return texte == nullptr ? -1 : std::atol(texte);
}

// The name of the file behind a descriptor, without its folder.
std::string nomDe(int descripteur) {
    char lien[4096];
    const std::string chemin = "/proc/self/fd/" + std::to_string(descripteur);
    const ssize_t n = readlink(chemin.c_str(), lien, sizeof lien - 1);
    if (n <= 0) return "";
    const std::string nom(lien, static_cast<std::size_t>(n));
    return nom.substr(nom.rfind('/') + 1);
}

}  // namespace

extern "C" int pthread_create(pthread_t* fil, const pthread_attr_t* attributs,
                              void* (*debut)(void*), void* argument) {
    using Creer = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const auto creer = suivant<Creer>("pthread_create");
    static std::atomic<long> appels{0};
    if (++appels == valeur("FACTURATION_ECHEC_THREAD_N")) return EAGAIN;
    return creer(fil, attributs, debut, argument);
}

extern "C" ssize_t read(int descripteur, void* tampon, size_t n) {
    using Lire = ssize_t (*)(int, void*, size_t);
    static const auto lire = suivant<Lire>("read");
    static std::atomic<long> donnes{0};
    const long limite = valeur("FACTURATION_ECHEC_LECTURE_N");
    if (limite < 0 || descripteur < 3 || nomDe(descripteur).rfind("vente", 0) != 0) {
        return lire(descripteur, tampon, n);
    }
    if (donnes >= limite) {
        errno = EIO;
        return -1;
    }
    const ssize_t lus =
        lire(descripteur, tampon, std::min<size_t>(n, static_cast<size_t>(limite - donnes)));
    if (lus > 0) donnes += lus;
    return lus;
}

extern "C" size_t fwrite(const void* octets, size_t taille, size_t n, FILE* fichier) {
    using Ecrire = size_t (*)(const void*, size_t, size_t, FILE*);
    static const auto ecrire = suivant<Ecrire>("fwrite");
    static std::atomic<long> appels{0};
    if (fileno(fichier) > 2 && ++appels == valeur("FACTURATION_ECHEC_ECRITURE_N")) {
        const long signal = valeur("FACTURATION_ECHEC_SIGNAL_N");
        raise(signal > 0 ? static_cast<int>(signal) : SIGKILL);
    }
    return ecrire(octets, taille, n, fichier);
}

extern "C" int unlink(const char* nom) {
    using Retirer = int (*)(const char*);
    static const auto retirer = suivant<Retirer>("unlink");
    const char* const refuse = std::getenv("FACTURATION_ECHEC_RETRAIT");
    if (refuse != nullptr && std::strcmp(nom, refuse) == 0) {
        errno = EPERM;
        return -1;
    }
    return retirer(nom);
}

extern "C" int fsync(int descripteur) {
    using Forcer = int (*)(int);
    static const auto forcer = suivant<Forcer>("fsync");
    static std::atomic<long> appels{0};
    if (++appels == valeur("FACTURATION_ECHEC_FSYNC_N")) {
        errno = EIO;
        return -1;
    }
    return forcer(descripteur);
}

extern "C" int rename(const char* ancien, const char* nouveau) {
    using Renommer = int (*)(const char*, const char*);
    static const auto renommer = suivant<Renommer>("rename");
    const char* const refuse = std::getenv("FACTURATION_ECHEC_RENOMMAGE");
    if (refuse != nullptr && std::strcmp(nouveau, refuse) == 0) {
        errno = EACCES;
        return -1;
    }
    return renommer(ancien, nouveau);
}
