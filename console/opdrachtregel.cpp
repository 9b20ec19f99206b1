// Reading the console program's arguments. Options may stand anywhere after the command.
#include "opdrachtregel.h"

#include <array>
#include <utility>

namespace zegelaar::console {

namespace {

struct Opdrachtnaam {
    const char* naam;
    Soort soort;
    std::size_t minBestanden;
    std::size_t maxBestanden;
};

constexpr std::array<Opdrachtnaam, 4> opdrachtnamen{{
    {"inpakken", Soort::inpakken, 1, 2},
    {"uitpakken", Soort::uitpakken, 1, 2},
    {"info", Soort::info, 1, 1},
    {"controleer", Soort::controleer, 1, 1},
}};

Ontleed Fout(std::string tekst) {
    return {std::nullopt, std::move(tekst)};
}

Ontleed Alleen(Soort soort) {
    Opdracht opdracht;
    opdracht.soort = soort;
    return {opdracht, {}};
}

// Applies one option to the command; false when it does not belong there.
bool ZetOptie(const std::string& optie, Opdracht& opdracht, std::string& fout) {
    if (optie == "--verzending" && opdracht.soort == Soort::inpakken) {
        opdracht.voorVerzending = true;
        return true;
    }
    const bool isJa = optie == "--ja";
    if ((isJa || optie == "--nee") &&
        (opdracht.soort == Soort::inpakken || opdracht.soort == Soort::uitpakken)) {
        const Antwoord nieuw = isJa ? Antwoord::ja : Antwoord::nee;
        if (opdracht.antwoord != Antwoord::vragen && opdracht.antwoord != nieuw) {
            fout = "--ja en --nee sluiten elkaar uit";
            return false;
        }
        opdracht.antwoord = nieuw;
        return true;
    }
    fout = "onbekende optie '" + optie + "'";
    return false;
}

// Reads the thread count of -j or --threads; false when it is not a number in range.
bool ZetDraden(const std::string& optie, const std::string& waarde, Opdracht& opdracht,
               std::string& fout) {
    if (opdracht.soort != Soort::inpakken) {
        fout = "onbekende optie '" + optie + "'";
        return false;
    }
    unsigned aantal = 0;
    bool getal = !waarde.empty() && waarde.size() <= 3;
    for (const char c : waarde) {
        getal = getal && c >= '0' && c <= '9';
        aantal = aantal * 10 + static_cast<unsigned>(c - '0');
    }
    if (!getal || aantal > meesteDraden) {
        fout = "'" + optie + "' verwacht een aantal draden van 0 tot en met " +
               std::to_string(meesteDraden) + ", niet '" + waarde + "'";
        return false;
    }
    opdracht.draden = aantal;
    return true;
}

// The option's name and its attached value for -jN and --threads=N, or an empty value.
std::pair<std::string, std::optional<std::string>> SplitsOptie(const std::string& a) {
    if (a.rfind("--threads=", 0) == 0) {
        return {"--threads", a.substr(10)};
    }
    if (a.size() > 2 && a.rfind("-j", 0) == 0) {
        return {"-j", a.substr(2)};
    }
    return {a, std::nullopt};
}

}  // namespace

Ontleed OntleedArgumenten(const std::vector<std::string>& argumenten) {
    if (argumenten.empty()) {
        return Fout("geen opdracht gegeven");
    }
    const std::string& eerste = argumenten[0];
    if (argumenten.size() == 1 && (eerste == "--help" || eerste == "-h")) {
        return Alleen(Soort::hulp);
    }
    if (argumenten.size() == 1 && eerste == "--version") {
        return Alleen(Soort::versie);
    }
    const Opdrachtnaam* naam = nullptr;
    for (const Opdrachtnaam& kandidaat : opdrachtnamen) {
        if (eerste == kandidaat.naam) {
            naam = &kandidaat;
        }
    }
    if (!naam) {
        return Fout("onbekende opdracht '" + eerste + "'");
    }
    Opdracht opdracht;
    opdracht.soort = naam->soort;
    std::vector<std::string> bestanden;
    bool alleenBestanden = false;
    for (std::size_t i = 1; i < argumenten.size(); ++i) {
        const std::string& a = argumenten[i];
        if (!alleenBestanden && a == "--") {
            alleenBestanden = true;
        } else if (!alleenBestanden && a.size() > 1 && a[0] == '-') {
            std::string fout;
            auto [optie, waarde] = SplitsOptie(a);
            if (optie == "-j" || optie == "--threads") {
                if (!waarde && i + 1 == argumenten.size()) {
                    return Fout("'" + optie + "' heeft een aantal draden nodig");
                }
                if (!ZetDraden(optie, waarde ? *waarde : argumenten[++i], opdracht, fout)) {
                    return Fout(fout);
                }
            } else if (!ZetOptie(a, opdracht, fout)) {
                return Fout(fout);
            }
        } else {
            bestanden.push_back(a);
        }
    }
    if (bestanden.size() < naam->minBestanden) {
        return Fout(std::string("'") + naam->naam + "' heeft een bestand nodig");
    }
    if (bestanden.size() > naam->maxBestanden) {
        return Fout(std::string("te veel bestanden voor '") + naam->naam + "'");
    }
    opdracht.bron = bestanden[0];
    if (bestanden.size() == 2) {
        opdracht.doel = bestanden[1];
    }
    return {opdracht, {}};
}

}  // namespace zegelaar::console
