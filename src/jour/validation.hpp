// Putting a day's outputs in place, on a thread of its own: each written file is flushed to
// the disk, then renamed over the earlier one, the files it contradicts removed, and the day
// written in the register, while the program goes on with the next date. Without a thread
// to be had, the program's own does it at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "jour/registre.hpp"

// What putting one day in place takes.
struct Engagement {
    struct Remplacement {
        std::string temporaire;  // written whole and closed
        std::string nom;         // the output it becomes
    };
    struct Retrait {
        std::string nom;  // an earlier output that the new ones contradict
        bool dire;        // "est retire" is said
    };
    std::vector<Remplacement> remplacements;
    std::vector<Retrait> retraits;
    std::string date;  // the day of the register; empty: a date that names no day
    Trace trace;
};

// The outcome: the lines to say, and whether the day was put in place whole.
struct Compte {
    std::string messages;
    bool reussi = true;
};

// Carries out one engagement in the working directory: a temporary file that cannot be
// flushed or put in place is removed, and nothing after it is put in place.
Compte engager(const Engagement& engagement);

class Validation {
  public:
    Validation() = default;
    // Carries out what is left and joins the thread, on every path.
    ~Validation();
    Validation(const Validation&) = delete;
    Validation& operator=(const Validation&) = delete;

    // Hands the engagement over; the caller goes on at once.
    void confier(Engagement engagement);

    // Waits until every engagement handed over but the last one (tous: every one) is carried
    // out, then writes, in their order, what those not yet told have to say to messages;
    // false when one of them failed.
    bool rendreCompte(std::ostream& messages, bool tous);

  private:
    void travailler();

    std::thread fil_;
    bool sansFil_ = false;  // no thread could be had: the caller's carries out each one
    std::mutex verrou_;
    std::condition_variable signal_;
    std::deque<Engagement> aFaire_;
    std::vector<Compte> comptes_;  // of each engagement carried out, in order
    std::size_t confies_ = 0;
    std::size_t rendus_ = 0;
    bool fini_ = false;
};
