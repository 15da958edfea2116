// The program's temporary files, beside the files they are to replace: the only files it
// ever removes without their being its outputs.
#pragma once

#include <string>

// A name of its own for the next temporary file of the working directory: this process's
// and a count, so that two runs, or one date done twice, never write the same one. Once one
// is made, an interruption of the program (Ctrl-C, a stop) removes the last ones made.
std::string nomTemporaire();

// Removes the temporary files of the working directory that no running process writes:
// those a run that was killed left behind.
void nettoyerTemporaires();
