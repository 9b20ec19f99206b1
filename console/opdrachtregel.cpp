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
            if (!ZetOptie(a, opdracht, fout)) {
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
