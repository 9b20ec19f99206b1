// The dialogue of a benchmark run: no window, "no" to every question (so no cutting), and
// "Sluiten" pressed the moment it is enabled, so that only the engine's own work is timed.
#pragma once

#include "gebruikersdialoog.h"

namespace zegelaar::bank {

class StilleDialoog : public Gebruikersdialoog, public Voortgangsvenster {
  public:
    // Set when the engine showed a message: a benchmark of a failed run means nothing.
    bool melding = false;

    void ToonMelding(const std::string&) override { melding = true; }
    bool VraagJaNee(const std::string&) override { return false; }
    void ToonFout(const std::string&, const std::string&) override { melding = true; }
    void BeginWachtcursor() override {}
    void EindigWachtcursor() override {}
    Voortgangsvenster& Voortgang() override { return *this; }

    bool Open() override { return true; }
    void ZetBereik(std::int32_t, std::int32_t) override {}
    void SetWindowText(const std::string&) override {}
    void ZetStatus(const std::string&) override {}
    std::int32_t ZetPositie(std::int32_t positie) override { return positie; }
    void ActiveerSluiten() override {}
    bool IsSluitenGekozen() override { return true; }
    void Sluit() override {}
};

}  // namespace zegelaar::bank
