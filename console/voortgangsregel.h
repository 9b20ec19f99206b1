// The progress window on a terminal: one line on standard error with the caption, a bar, the
// percentage, the bytes done and the rate, redrawn in place a few times a second at most.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "gebruikersdialoog.h"

namespace zegelaar::console {

class Voortgangsregel : public Voortgangsvenster {
  public:
    // `zichtbaar` false draws nothing (standard error is no terminal). `omvangVoor` gives the
    // bytes that 100 % stands for in the step with that caption.
    Voortgangsregel(std::FILE* uit, bool zichtbaar,
                    std::function<std::uint64_t(const std::string&)> omvangVoor);

    bool Open() override;
    void ZetBereik(std::int32_t onder, std::int32_t boven) override;
    void SetWindowText(const std::string& tekst) override;
    void ZetStatus(const std::string&) override {}
    std::int32_t ZetPositie(std::int32_t positie) override;
    void ActiveerSluiten() override;
    bool IsSluitenGekozen() override;
    void Sluit() override;

    // Ends a drawn line, so that a message does not land on top of it.
    void OnderbreekRegel();

    // Captions of the steps that ran to their end ("Sluiten" enabled), in order.
    const std::vector<std::string>& Voltooid() const { return voltooid_; }

  private:
    void Teken();

    std::FILE* uit_;
    bool zichtbaar_;
    std::function<std::uint64_t(const std::string&)> omvangVoor_;
    std::string titel_;
    std::uint64_t omvang_ = 0;
    std::int32_t onder_ = 0;
    std::int32_t boven_ = 100;
    std::int32_t positie_ = 0;
    bool open_ = false;
    bool getekend_ = false;
    bool sluitenActief_ = false;
    std::chrono::steady_clock::time_point begin_;
    std::chrono::steady_clock::time_point laatst_;
    std::vector<std::string> voltooid_;
};

}  // namespace zegelaar::console
