// The closing pause counts a Return typed the moment its text shows: the input is cleared
// before the text, never after. Standard input is a terminal, and the Return is typed from
// within the flush of the text, so no timing decides the outcome.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>

#include "util/dialogue.hpp"

namespace {

int maitre = -1;
volatile std::sig_atomic_t relance = 0;

// The operator: drops the text shown and types Return once, as soon as it is flushed.
struct Operateur : std::streambuf {
    bool tape = false;
    int_type overflow(int_type c) override { return c; }
    int sync() override {
        if (!tape) tape = ::write(maitre, "\n", 1) == 1;
        return 0;
    }
};

}  // namespace

TEST(Dialogue, pauseCompteLEntreeTapeeDesLAffichage) {
    maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(maitre >= 0 && ::grantpt(maitre) == 0 && ::unlockpt(maitre) == 0);
    const int entree = ::dup(0);
    ASSERT_EQ(::dup2(::open(::ptsname(maitre), O_RDWR | O_NOCTTY), 0), 0);
    brancherConsole();
    Operateur operateur;
    std::streambuf* const console = std::cout.rdbuf(&operateur);
    // A pause that dropped that Return would wait for ever: a second one comes after 5 s.
    std::signal(SIGALRM, [](int) { relance = ::write(maitre, "\n", 1); });
    ::alarm(5);
    attendreEntree();
    ::alarm(0);
    std::cout.rdbuf(console);
    ::dup2(entree, 0);
    EXPECT_EQ(relance, 0);
}
