// A stream buffer for the tests of failing writes.
#pragma once

#include <algorithm>
#include <streambuf>

// Takes the first reste bytes written to it, then refuses; counts the writes asked.
class Borne : public std::streambuf {
  public:
    explicit Borne(std::streamsize reste) : reste_(reste) {}
    int ecritures = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        ++ecritures;
        const std::streamsize pris = std::min(n, reste_);
        reste_ -= pris;
        return pris;
    }

  private:
    std::streamsize reste_;
};
