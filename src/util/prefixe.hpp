// The program's name in front of every line it writes on standard error.
#pragma once

#include <streambuf>
#include <string>

// Writes into cible, putting prefixe at the start of every line: messages on standard
// error then name the program that wrote them. Each line goes to cible in one write, once
// its line end has come, so that the lines of two runs at once do not mix; a line left
// without one goes when the buffer is destroyed.
class TamponPrefixe : public std::streambuf {
  public:
    TamponPrefixe(std::streambuf& cible, std::string prefixe);
    ~TamponPrefixe() override;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* texte, std::streamsize n) override;

  private:
    bool envoyer();

    std::streambuf& cible_;
    std::string prefixe_;
    std::string ligne_;  // the prefix and the line being written
};
