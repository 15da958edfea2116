// Opening an input file for reading, with the operator's message when it is absent or empty.
#pragma once

#include <fstream>
#include <iostream>
#include <istream>
#include <string>

// True when the next read from flux would meet the end of the data (or flux has failed);
// consumes nothing.
bool fluxVide(std::istream& flux);

// Opens nomFichier on flux (which must be closed) for reading. True when it is open, good
// and holds at least one character; otherwise writes the "est absent" or "est vide"
// message to messages and leaves flux closed.
bool ouvrirFichierEntree(std::ifstream& flux, std::string nomFichier,
                         std::ostream& messages = std::cout);

// How every message names a file: le fichier "<nomFichier>".
std::string leFichier(const std::string& nomFichier);

// The message of a file that is not there: le fichier "<nomFichier>" est absent.
void signalerAbsent(std::ostream& messages, const std::string& nomFichier);

// The line of a file whose read failed, for the reason raison (the system's words).
std::string ligneIllisible(const std::string& nomFichier, const std::string& raison);

// The line of an output that could not be written whole.
std::string ligneIncomplet(const std::string& nomFichier);
