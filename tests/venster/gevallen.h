// The groups of cases of the window tests; each takes the scripted application of the run.
#pragma once

#include <vector>

#include "toets.h"
#include "toetsomgeving.h"

std::vector<toets::Geval> VoortgangGevallen(ToetsToepassing& toepassing);
std::vector<toets::Geval> InpakpaginaGevallen(ToetsToepassing& toepassing);
std::vector<toets::Geval> UitpakpaginaGevallen(ToetsToepassing& toepassing);
std::vector<toets::Geval> HoofdvensterGevallen(ToetsToepassing& toepassing);
std::vector<toets::Geval> BronnenGevallen(ToetsToepassing& toepassing);
std::vector<toets::Geval> SjablonenGevallen(ToetsToepassing& toepassing);
