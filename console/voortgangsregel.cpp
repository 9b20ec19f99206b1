// The progress line. A position costs a clock read; the line is drawn only when a fifth of a
// second has passed, so per-block calls stay free on fast disks.
#include "voortgangsregel.h"

#include <algorithm>

#include "getal.h"

namespace zegelaar::console {

namespace {

constexpr auto tekenInterval = std::chrono::milliseconds(200);
constexpr int balkBreedte = 30;

std::string MetEenheid(double bytes) {
    const char* eenheden[] = {"B", "kB", "MB", "GB", "TB"};
    int i = 0;
    while (bytes >= 1000.0 && i < 4) {
        bytes /= 1000.0;
        ++i;
    }
    return Decimaal(bytes, i == 0 ? 0 : 1) + " " + eenheden[i];
}

}  // namespace

Voortgangsregel::Voortgangsregel(std::FILE* uit, bool zichtbaar,
                                 std::function<std::uint64_t(const std::string&)> omvangVoor)
    : uit_(uit), zichtbaar_(zichtbaar), omvangVoor_(std::move(omvangVoor)) {}

bool Voortgangsregel::Open() {
    open_ = true;
    getekend_ = false;
    sluitenActief_ = false;
    positie_ = 0;
    begin_ = std::chrono::steady_clock::now();
    laatst_ = begin_ - tekenInterval;
    return true;
}

void Voortgangsregel::ZetBereik(std::int32_t onder, std::int32_t boven) {
    onder_ = onder;
    boven_ = boven;
}

void Voortgangsregel::SetWindowText(const std::string& tekst) {
    titel_ = tekst;
    omvang_ = omvangVoor_ ? omvangVoor_(tekst) : 0;
}

std::int32_t Voortgangsregel::ZetPositie(std::int32_t positie) {
    const std::int32_t vorige = positie_;
    positie_ = positie;
    if (zichtbaar_) {
        const auto nu = std::chrono::steady_clock::now();
        if (nu - laatst_ >= tekenInterval) {
            laatst_ = nu;
            Teken();
        }
    }
    return vorige;
}

void Voortgangsregel::Teken() {
    const std::int64_t bereik = std::max<std::int64_t>(1, std::int64_t{boven_} - onder_);
    const std::int64_t procent =
        std::clamp<std::int64_t>((std::int64_t{positie_} - onder_) * 100 / bereik, 0, 100);
    const int vol = static_cast<int>(procent * balkBreedte / 100);
    const double gedaan = static_cast<double>(omvang_) * static_cast<double>(procent) / 100.0;
    const double seconden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin_).count();
    std::string regel = "\r" + titel_ + " [" + std::string(static_cast<std::size_t>(vol), '#') +
                        std::string(static_cast<std::size_t>(balkBreedte - vol), '.') + "] " +
                        std::to_string(procent) + "%";
    if (omvang_ > 0) {
        regel += "  " + MetEenheid(gedaan);
        if (seconden > 0.05) {
            regel += "  " + MetEenheid(gedaan / seconden) + "/s";
        }
    }
    regel += "\033[K";
    std::fputs(regel.c_str(), uit_);
    std::fflush(uit_);
    getekend_ = true;
}

void Voortgangsregel::OnderbreekRegel() {
    if (getekend_) {
        std::fputs("\n", uit_);
        getekend_ = false;
    }
}

void Voortgangsregel::ActiveerSluiten() {
    sluitenActief_ = true;
    voltooid_.push_back(titel_);
    if (zichtbaar_) {
        Teken();
    }
}

bool Voortgangsregel::IsSluitenGekozen() {
    return sluitenActief_;
}

void Voortgangsregel::Sluit() {
    if (open_ && getekend_) {
        std::fputs("\n", uit_);
        std::fflush(uit_);
    }
    open_ = false;
    getekend_ = false;
}

}  // namespace zegelaar::console
