// Runs a command and writes its peak resident memory, in kilobytes, to the file named first:
// pic_memoire FILE COMMAND... Measured from this small process, and not from the test
// runner, so that the memory of the process that started the command does not count.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) return 125;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(argv[2], argv + 2);
        ::_exit(127);
    }
    int statut = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &statut, 0, &usage) != pid) return 125;
    std::FILE* fichier = std::fopen(argv[1], "w");
    if (fichier == nullptr || std::fprintf(fichier, "%ld\n", usage.ru_maxrss) < 0) return 125;
    std::fclose(fichier);  // a file left empty fails the case that reads it
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}
