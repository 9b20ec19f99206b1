// The window tests of Zegelaar: pages, main window, progress window and about box in this
// process, with real windows, under the scripted application.
#include <iterator>

#include "gevallen.h"

int main(int argc, char** argv) {
    ToetsToepassing toepassing;
    std::vector<toets::Geval> gevallen;
    for (auto groep : {VoortgangGevallen, InpakpaginaGevallen, UitpakpaginaGevallen,
                       HoofdvensterGevallen, BronnenGevallen, SjablonenGevallen}) {
        auto deel = groep(toepassing);
        gevallen.insert(gevallen.end(), deel.begin(), deel.end());
    }
    return toets::VoerUit(gevallen, argc, argv);
}
