// A dialogue with no one behind it, for runs that only look at the outcome (the big-file test,
// the fuzz targets, the benchmark): every question gets the same answer, "Sluiten" is pressed
// as soon as it is asked for, and only what those runs check is kept: the messages, windows and
// wait cursors left open, and the range of the positions. Unlike the scripted dialogue it keeps
// no transcript, so its memory does not grow with the number of blocks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "gebruikersdialoog.h"

namespace zegelaar::test {

class StilleDialoog : public Gebruikersdialoog, public Voortgangsvenster {
  public:
    explicit StilleDialoog(bool antwoord) : antwoord_(antwoord) {}

    int meldingen = 0;
    int wachtcursors = 0;  // begun and not yet ended
    bool venstersOpen = false;
    std::int32_t laagstePositie = 0;
    std::int32_t hoogstePositie = 0;

    void ToonMelding(const std::string&) override { ++meldingen; }
    bool VraagJaNee(const std::string&) override { return antwoord_; }
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
        laagstePositie = std::min(laagstePositie, positie);
        hoogstePositie = std::max(hoogstePositie, positie);
        return 0;
    }
    void ActiveerSluiten() override {}
    bool IsSluitenGekozen() override { return true; }
    void Sluit() override { venstersOpen = false; }

  private:
    bool antwoord_;
};

}  // namespace zegelaar::test
