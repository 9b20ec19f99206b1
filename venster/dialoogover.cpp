// The about box's one piece of behaviour: its description text.
#include "dialoogover.h"

#include "bronnummers.h"

namespace {

// Seven lines, each ended by a bare line feed; the stock kind is not among them.
constexpr const char* beschrijving =
    "Programma voor het in- en uitpakken van auditfiles.\n"
    "Deze versie verwerkt:\n"
    "- classic auditfiles financieel (*.adf)\n"
    "- XML-auditfiles financieel (*.xaf)\n"
    "- XML-auditfiles salaris (*.xas)\n"
    "- XML-auditfiles afrekensystemen (*.xaa)\n"
    "- XML-auditfiles woningcorporaties (*.xaw)\n";

}  // namespace

CDialoogOver::CDialoogOver() : CDialog(IDD_OVER) {}

// Runs when the box opens and again on "Sluiten"; both times the text is the same.
void CDialoogOver::DoDataExchange(CDataExchange* uitwisseling) {
    CDialog::DoDataExchange(uitwisseling);
    SetDlgItemText(IDC_OVER_TEKST, beschrijving);
}
