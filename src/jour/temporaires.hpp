// The program's temporary files, beside the files they are to replace: the only files it
// ever removes without their being its outputs.
#pragma once

#include <string>

// A name of its own for the next temporary file of dossier: this process's and a count, so
// that two runs, or one date done twice, never write the same one.
std::string nomTemporaire(const std::string& dossier);

// Removes the temporary files of dossier that no running process writes: those a run that
// was killed left behind.
void nettoyerTemporaires(const std::string& dossier);
