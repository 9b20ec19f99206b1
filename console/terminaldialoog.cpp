// The terminal dialogue.
#include "terminaldialoog.h"

namespace zegelaar::console {

Terminaldialoog::Terminaldialoog(std::FILE* fouten, std::FILE* invoer, Antwoord antwoord,
                                 bool vragenMag, Voortgangsregel& voortgang)
    : fouten_(fouten),
      invoer_(invoer),
      antwoord_(antwoord),
      vragenMag_(vragenMag),
      voortgang_(voortgang) {}

void Terminaldialoog::ToonMelding(const std::string& tekst) {
    voortgang_.OnderbreekRegel();
    std::fprintf(fouten_, "%s: %s\n", programmanaam, tekst.c_str());
}

void Terminaldialoog::ToonFout(const std::string& tekst, const std::string& titel) {
    voortgang_.OnderbreekRegel();
    std::fprintf(fouten_, "%s: %s: %s\n", programmanaam, titel.c_str(), tekst.c_str());
}

bool Terminaldialoog::VraagJaNee(const std::string& tekst) {
    voortgang_.OnderbreekRegel();
    std::fprintf(fouten_, "%s: %s [j/N] ", programmanaam, tekst.c_str());
    if (antwoord_ != Antwoord::vragen || !vragenMag_) {
        const bool ja = antwoord_ == Antwoord::ja;
        std::fprintf(fouten_, "%s\n", ja ? "j" : "n");
        return ja;
    }
    std::fflush(fouten_);
    char regel[64];
    if (std::fgets(regel, sizeof regel, invoer_) == nullptr) {
        std::fputs("\n", fouten_);
        return false;
    }
    return regel[0] == 'j' || regel[0] == 'J' || regel[0] == 'y' || regel[0] == 'Y';
}

}  // namespace zegelaar::console
