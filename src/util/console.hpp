// The few calls to the system that the console utilities make, all on standard input; one
// implementation per platform (console_posix.cpp, console_windows.cpp).
#pragma once

#include <cstddef>
#include <cstdio>

// Reads up to taille bytes: the count read, 0 at the end of input or on an error.
std::size_t lireEntreeStandard(char* tampon, std::size_t taille);

// Moves standard input, as lseek does (depuis: SEEK_SET, SEEK_CUR or SEEK_END): the new
// position, or -1 where standard input cannot be moved (a pipe, a terminal, a console).
long long deplacerEntreeStandard(long long decalage, int depuis);

// True when standard input is the operator's terminal or console.
bool entreeEstTerminal();

// Drops what was typed at the terminal or console and not read yet.
void viderTerminal();
