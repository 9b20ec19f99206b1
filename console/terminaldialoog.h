// The engine dialogue on a terminal: messages and errors on standard error, questions
// answered by an option or at the terminal (never waiting on a script), progress as a line.
#pragma once

#include <cstdio>
#include <string>

#include "gebruikersdialoog.h"
#include "opdrachtregel.h"
#include "voortgangsregel.h"

namespace zegelaar::console {

class Terminaldialoog : public Gebruikersdialoog {
  public:
    // `vragenMag`: standard input is a terminal, so a question can be asked there.
    Terminaldialoog(std::FILE* fouten, std::FILE* invoer, Antwoord antwoord, bool vragenMag,
                    Voortgangsregel& voortgang);

    void ToonMelding(const std::string& tekst) override;
    bool VraagJaNee(const std::string& tekst) override;
    void ToonFout(const std::string& tekst, const std::string& titel) override;
    void BeginWachtcursor() override {}
    void EindigWachtcursor() override {}
    Voortgangsvenster& Voortgang() override { return voortgang_; }

  private:
    std::FILE* fouten_;
    std::FILE* invoer_;
    Antwoord antwoord_;
    bool vragenMag_;
    Voortgangsregel& voortgang_;
};

// The program's name, in front of every message.
inline constexpr const char* programmanaam = "zegelaar";

}  // namespace zegelaar::console
