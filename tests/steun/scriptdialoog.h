// A user dialogue for tests: answers questions from a script, presses "Sluiten" as soon as it
// is enabled, and keeps a transcript of every call in order.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gebruikersdialoog.h"

namespace zegelaar::test {

class Scriptdialoog : public Gebruikersdialoog, public Voortgangsvenster {
  public:
    // Answers for VraagJaNee, in order; a question beyond the script is answered no.
    std::deque<bool> antwoorden;
    // Every call, as "Naam" or "Naam(argument)".
    std::vector<std::string> verslag;
    // Every position shown, in order.
    std::vector<std::int32_t> posities;
    // Called at every ZetPositie, so a test can change the world while an engine works.
    std::function<void(std::int32_t)> bijPositie;
    // Whether Open succeeds.
    bool openLukt = true;

    void ToonMelding(const std::string& tekst) override { Noteer("ToonMelding", tekst); }
    bool VraagJaNee(const std::string& tekst) override;
    void ToonFout(const std::string& tekst, const std::string& titel) override {
        Noteer("ToonFout", titel + "|" + tekst);
    }
    void BeginWachtcursor() override;
    void EindigWachtcursor() override;
    Voortgangsvenster& Voortgang() override { return *this; }

    bool Open() override;
    void ZetBereik(std::int32_t onder, std::int32_t boven) override;
    void SetWindowText(const std::string& tekst) override { Noteer("SetWindowText", tekst); }
    void ZetStatus(const std::string& tekst) override { Noteer("ZetStatus", tekst); }
    std::int32_t ZetPositie(std::int32_t positie) override;
    void ActiveerSluiten() override;
    bool IsSluitenGekozen() override;
    void Sluit() override;

    // The transcript without the calls that repeat once per block (positions, wait cursor).
    std::vector<std::string> Gesprek() const;
    // The messages shown (ToonMelding and ToonFout texts), in order.
    std::vector<std::string> Meldingen() const;

    // Open windows and wait cursors that were never ended: both must be 0 when an engine returns.
    int openVensters = 0;
    int wachtDiepte = 0;

  private:
    void Noteer(const std::string& naam, const std::string& argument = {});
    bool sluitenActief_ = false;
};

}  // namespace zegelaar::test
