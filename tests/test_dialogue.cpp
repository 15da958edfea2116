// The closing pause counts a Return typed the moment its text shows: the input is cleared
// before the text, never after. Standard input is a terminal, and the Return is typed from
// within the flush of the text, so no timing decides the outcome.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "util/dialogue.hpp"

namespace {

int maitre = -1;
volatile std::sig_atomic_t relance = 0;

// The operator: drops the text shown and types Return once, as soon as it is flushed.
class Operateur : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return c; }
    int sync() override {
        if (!tape_) tape_ = ::write(maitre, "\n", 1) == 1;
        return 0;
    }

  private:
    bool tape_ = false;
};

// A pause that dropped that Return would wait for ever: a second one comes after 5 s.
extern "C" void relancer(int) {
    relance = 1;
    static_cast<void>(::write(maitre, "\n", 1));
}

}  // namespace

TEST(Dialogue, pauseCompteLEntreeTapeeDesLAffichage) {
    maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(maitre >= 0 && ::grantpt(maitre) == 0 && ::unlockpt(maitre) == 0);
    const int terminal = ::open(::ptsname(maitre), O_RDWR | O_NOCTTY);
    const int entree = ::dup(0);
    ASSERT_TRUE(terminal >= 0 && ::dup2(terminal, 0) == 0);
    brancherConsole();
    std::cin.clear();
    Operateur operateur;
    std::streambuf* const console = std::cout.rdbuf(&operateur);
    std::signal(SIGALRM, relancer);
    ::alarm(5);
    attendreEntree();
    ::alarm(0);
    std::cout.rdbuf(console);
    ::dup2(entree, 0);
    ::close(entree);
    ::close(terminal);
    ::close(maitre);
    EXPECT_EQ(relance, 0);
}
