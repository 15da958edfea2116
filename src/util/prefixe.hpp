// The program's name in front of every line it writes on standard error.
#pragma once

#include <streambuf>
#include <string>

// Writes into cible, putting prefixe at the start of every line: messages on standard
// error then name the program that wrote them.
class TamponPrefixe : public std::streambuf {
  public:
    TamponPrefixe(std::streambuf& cible, std::string prefixe);

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    std::streambuf& cible_;
    std::string prefixe_;
    bool debutDeLigne_ = true;
};
