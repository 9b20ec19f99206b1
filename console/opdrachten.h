// The console program's commands, each returning the program's exit status.
#pragma once

#include <cstdio>

#include "inpakkop.h"
#include "opdrachtregel.h"

namespace zegelaar::console {

// Where a command reads and writes, and whether those are terminals.
struct Omgeving {
    std::FILE* uit = stdout;
    std::FILE* fouten = stderr;
    std::FILE* invoer = stdin;
    bool foutenIsTerminal = false;
    bool invoerIsTerminal = false;
};

// Exit statuses besides the engines' own result codes.
enum Afsluiting : int {
    afsluitGelukt = 0,
    afsluitGeweigerd = 1,  // a page check stopped the action, or `controleer` found a fault
    afsluitGebruik = 2,    // wrong usage
    afsluitNietVervangen = 18,
    afsluitKopGeweigerd = 99,  // the engine's 999, which does not fit an exit status
};

// The header at the start of a packed file or first piece; false when there is none.
bool LeesKop(const std::string& pad, InpakKop& kop);

int Inpakken(const Opdracht& opdracht, const Omgeving& omgeving);
int Uitpakken(const Opdracht& opdracht, const Omgeving& omgeving);
int Info(const Opdracht& opdracht, const Omgeving& omgeving);
int Controleer(const Opdracht& opdracht, const Omgeving& omgeving);
void Hulp(std::FILE* uit);

}  // namespace zegelaar::console
