// The progress sequence that every engine step shares.
#include "gebruikersdialoog.h"

namespace zegelaar {

OpenVoortgang::OpenVoortgang(Voortgangsvenster& venster, const std::string& titel)
    : venster_(venster) {
    // A window that cannot be shown does not stop the work; it is just not shown.
    open_ = venster_.Open();
    if (!open_) {
        return;
    }
    venster_.ZetBereik(0, 100);
    venster_.SetWindowText(titel);
    venster_.ZetStatus(statusBezig);
}

OpenVoortgang::~OpenVoortgang() {
    if (open_) {
        venster_.Sluit();
    }
}

void OpenVoortgang::WachtOpSluiten() {
    if (!open_) {
        return;
    }
    venster_.ZetStatus(statusKlaar);
    venster_.ActiveerSluiten();
    while (!venster_.IsSluitenGekozen()) {
    }
    venster_.Sluit();
    open_ = false;
}

}  // namespace zegelaar
