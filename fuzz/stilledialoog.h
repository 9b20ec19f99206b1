// A user dialogue for the fuzz targets: no one to ask, so every question is answered yes,
// "Sluiten" is pressed at once, and messages and progress positions are only counted.
#pragma once

#include <cstdint>
#include <string>

#include "gebruikersdialoog.h"

namespace zegelaar::fuzz {

class StilleDialoog : public Gebruikersdialoog, public Voortgangsvenster {
  public:
    int meldingen = 0;
    int wachtcursors = 0;  // begun and not yet ended
    bool venstersOpen = false;
    std::int32_t laagstePositie = 0;

    void ToonMelding(const std::string&) override { ++meldingen; }
    bool VraagJaNee(const std::string&) override { return true; }
    void ToonFout(const std::string&, const std::string&) override { ++meldingen; }
    void BeginWachtcursor() override { ++wachtcursors; }
    void EindigWachtcursor() override { --wachtcursors; }
    Voortgangsvenster& Voortgang() override { return *this; }

    bool Open() override {
        venstersOpen = true;
        return true;
    }
    void ZetBereik(std::int32_t, std::int32_t) override {}
    void SetWindowText(const std::string&) override {}
    void ZetStatus(const std::string&) override {}
    std::int32_t ZetPositie(std::int32_t positie) override {
        laagstePositie = positie < laagstePositie ? positie : laagstePositie;
        return 0;
    }
    void ActiveerSluiten() override {}
    bool IsSluitenGekozen() override { return true; }
    void Sluit() override { venstersOpen = false; }
};

}  // namespace zegelaar::fuzz
