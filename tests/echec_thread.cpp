// Preloaded before the program (LD_PRELOAD): the call to pthread_create numbered
// FACTURATION_ECHEC_THREAD_N fails as on a system out of threads; the others go through.
#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

extern "C" int pthread_create(pthread_t* fil, const pthread_attr_t* attributs,
                              void* (*debut)(void*), void* argument) {
    using Creer = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
    static const auto creer = reinterpret_cast<Creer>(dlsym(RTLD_NEXT, "pthread_create"));
    static std::atomic<int> appels{0};
    const char* const echec = std::getenv("FACTURATION_ECHEC_THREAD_N");
    if (echec != nullptr && ++appels == std::atoi(echec)) return EAGAIN;
    return creer(fil, attributs, debut, argument);
}
