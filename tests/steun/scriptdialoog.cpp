// The scripted test dialogue.
#include "scriptdialoog.h"

namespace zegelaar::test {

void Scriptdialoog::Noteer(const std::string& naam, const std::string& argument) {
    verslag.push_back(argument.empty() ? naam : naam + "(" + argument + ")");
}

bool Scriptdialoog::VraagJaNee(const std::string& tekst) {
    Noteer("VraagJaNee", tekst);
    if (antwoorden.empty()) {
        return false;
    }
    const bool ja = antwoorden.front();
    antwoorden.pop_front();
    return ja;
}

void Scriptdialoog::BeginWachtcursor() {
    ++wachtDiepte;
    Noteer("BeginWachtcursor");
}

void Scriptdialoog::EindigWachtcursor() {
    --wachtDiepte;
    Noteer("EindigWachtcursor");
}

bool Scriptdialoog::Open() {
    Noteer("Open");
    if (openLukt) {
        ++openVensters;
        sluitenActief_ = false;
    }
    return openLukt;
}

void Scriptdialoog::ZetBereik(std::int32_t onder, std::int32_t boven) {
    Noteer("ZetBereik", std::to_string(onder) + "," + std::to_string(boven));
}

std::int32_t Scriptdialoog::ZetPositie(std::int32_t positie) {
    Noteer("ZetPositie", std::to_string(positie));
    const std::int32_t vorige = posities.empty() ? 0 : posities.back();
    posities.push_back(positie);
    if (bijPositie) {
        bijPositie(positie);
    }
    return vorige;
}

void Scriptdialoog::ActiveerSluiten() {
    Noteer("ActiveerSluiten");
    sluitenActief_ = true;
}

bool Scriptdialoog::IsSluitenGekozen() {
    Noteer("IsSluitenGekozen");
    return sluitenActief_;
}

void Scriptdialoog::Sluit() {
    Noteer("Sluit");
    --openVensters;
    sluitenActief_ = false;
}

std::vector<std::string> Scriptdialoog::Gesprek() const {
    std::vector<std::string> gesprek;
    for (const std::string& regel : verslag) {
        if (regel.rfind("ZetPositie(", 0) == 0 && regel != "ZetPositie(100)") {
            continue;
        }
        if (regel == "BeginWachtcursor" || regel == "EindigWachtcursor") {
            continue;
        }
        gesprek.push_back(regel);
    }
    return gesprek;
}

std::vector<std::string> Scriptdialoog::Meldingen() const {
    std::vector<std::string> meldingen;
    for (const std::string& regel : verslag) {
        for (const char* soort : {"ToonMelding(", "ToonFout("}) {
            const std::string voor(soort);
            if (regel.rfind(voor, 0) == 0) {
                meldingen.push_back(regel.substr(voor.size(), regel.size() - voor.size() - 1));
            }
        }
    }
    return meldingen;
}

}  // namespace zegelaar::test
