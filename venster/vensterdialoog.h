// The engines' user dialogue on Windows: message boxes with the application's name as caption,
// the wait cursor and the progress window.
#pragma once

#include <string>

#include "dialoogvoortgang.h"
#include "gebruikersdialoog.h"

class Vensterdialoog : public zegelaar::Gebruikersdialoog {
  public:
    void ToonMelding(const std::string& tekst) override;
    bool VraagJaNee(const std::string& tekst) override;
    void ToonFout(const std::string& tekst, const std::string& titel) override;
    void BeginWachtcursor() override;
    void EindigWachtcursor() override;
    zegelaar::Voortgangsvenster& Voortgang() override { return voortgang; }

  private:
    CDialoogVoortgang voortgang;
};
