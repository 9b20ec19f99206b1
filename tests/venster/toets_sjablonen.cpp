// The five dialog templates as the program file carries them: style, place, size, caption,
// font and language of each dialog, and id, class, text, place, size and style of every control,
// in template order.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "bronnummers.h"
#include "gevallen.h"

namespace {

struct Control {
    DWORD stijl;
    short x, y, cx, cy;
    WORD id;
    std::string klasse;  // a class name, or "#" and the number of a predefined class
    std::string tekst;   // the text, or "#" and the number of a resource (an icon)
};

struct Dialoog {
    DWORD stijl;
    short x, y, cx, cy;
    std::string titel;
    WORD punten;
    std::string lettertype;
    std::vector<Control> controls;
};

// Reads the template's units one after another, as the dialog manager does.
class Lezer {
  public:
    explicit Lezer(const char* begin) : plek_(begin), begin_(begin) {}
    template <class T>
    T Lees() {
        T waarde;
        std::memcpy(&waarde, plek_, sizeof waarde);
        plek_ += sizeof waarde;
        return waarde;
    }
    // A string or, after 0xFFFF, a number.
    std::string TekstOfNummer() {
        if (Kijk() == 0xFFFF) {
            Lees<WORD>();
            return std::string("#").append(std::to_string(Lees<WORD>()));
        }
        std::string tekst;
        for (WORD teken = Lees<WORD>(); teken != 0; teken = Lees<WORD>()) {
            tekst += static_cast<char>(teken);
        }
        return tekst;
    }
    void Lijn() {
        while ((plek_ - begin_) % 4 != 0) {
            ++plek_;
        }
    }

  private:
    WORD Kijk() const {
        WORD waarde;
        std::memcpy(&waarde, plek_, sizeof waarde);
        return waarde;
    }
    const char* plek_;
    const char* begin_;
};

// A predefined class may be named or numbered; both mean the same to the dialog manager.
std::string Klassenaam(const std::string& klasse) {
    const char* const namen[][2] = {{"BUTTON", "#128"}, {"EDIT", "#129"}, {"STATIC", "#130"}};
    for (const auto& naam : namen) {
        if (lstrcmpiA(klasse.c_str(), naam[0]) == 0) {
            return naam[1];
        }
    }
    return klasse;
}

bool LeesDialoog(int id, WORD taal, Dialoog& d) {
    HRSRC bron =
        ::FindResourceExA(nullptr, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(id), taal);
    if (!bron) {
        return false;
    }
    Lezer lees(static_cast<const char*>(::LockResource(::LoadResource(nullptr, bron))));
    d.stijl = lees.Lees<DWORD>();
    lees.Lees<DWORD>();
    const WORD aantal = lees.Lees<WORD>();
    d.x = lees.Lees<short>();
    d.y = lees.Lees<short>();
    d.cx = lees.Lees<short>();
    d.cy = lees.Lees<short>();
    lees.TekstOfNummer();  // menu
    lees.TekstOfNummer();  // window class
    d.titel = lees.TekstOfNummer();
    if (d.stijl & DS_SETFONT) {
        d.punten = lees.Lees<WORD>();
        d.lettertype = lees.TekstOfNummer();
    }
    for (WORD i = 0; i < aantal; ++i) {
        lees.Lijn();
        Control c;
        c.stijl = lees.Lees<DWORD>();
        lees.Lees<DWORD>();
        c.x = lees.Lees<short>();
        c.y = lees.Lees<short>();
        c.cx = lees.Lees<short>();
        c.cy = lees.Lees<short>();
        c.id = lees.Lees<WORD>();
        c.klasse = Klassenaam(lees.TekstOfNummer());
        c.tekst = lees.TekstOfNummer();
        const WORD extra = lees.Lees<WORD>();
        for (WORD b = 0; b < extra; ++b) {
            lees.Lees<char>();
        }
        d.controls.push_back(c);
    }
    return true;
}

const WORD engels = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD nederlands = MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH);
const char* const knop = "#128";
const char* const bewerk = "#129";
const char* const tekst = "#130";
const WORD geen = 0xFFFF;  // the id of a static without one of its own

// The style bits a row asks for; the control must have them all, and no WS_TABSTOP, WS_DISABLED
// or WS_GROUP beyond those asked.
struct Rij {
    WORD id;
    const char* klasse;
    const char* tekst;
    short x, y, cx, cy;
    DWORD stijl;
};

struct Sjabloon {
    int id;
    WORD taal;
    DWORD stijl;
    short cx, cy;
    const char* titel;
    std::vector<Rij> rijen;
};

const DWORD alleen = ES_READONLY | ES_AUTOHSCROLL | WS_BORDER;

const Sjabloon sjablonen[] = {
    {IDD_OVER,
     engels,
     0x80C800C0,
     247,
     188,
     "Over Zegelaar",
     {{geen, tekst, "#128", 11, 17, 20, 20, SS_ICON},
      {geen, tekst, "Zegelaar versie 3.0.0.10", 40, 10, 119, 8, SS_NOPREFIX | WS_GROUP},
      {geen, tekst, nullptr, 40, 122, 188, 38, WS_GROUP},
      {IDOK, knop, "Sluiten", 190, 167, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
      {IDC_OVER_TEKST, tekst, "", 40, 29, 200, 91, WS_GROUP}}},
    {IDD_VOORTGANG,
     engels,
     0x90C000C0,
     186,
     79,
     "",
     {{IDCANCEL, knop, "Sluiten", 67, 58, 50, 14, BS_DEFPUSHBUTTON | WS_DISABLED | WS_TABSTOP},
      {IDC_VOORTGANGSBALK, "msctls_progress32", "", 15, 34, 154, 13, WS_BORDER | PBS_SMOOTH},
      {IDC_PROCENT, tekst, " 0 %", 85, 23, 18, 8, SS_LEFT},
      {IDC_STATUS, tekst, "", 13, 7, 158, 8, SS_LEFT}}},
    {IDD_HOOFD,
     engels,
     0x80C800C0,
     341,
     157,
     "In- en uitpakken van Auditfiles",
     {{IDCANCEL, knop, "Sluiten", 284, 136, 50, 14, WS_TABSTOP}}},
    {IDD_INPAKKEN,
     nederlands,
     0,
     320,
     108,
     "Inpakken",
     {{IDC_BRON_LABEL, tekst, "Audtifile", 7, 9, 63, 8, SS_LEFT},
      {IDC_BRON, bewerk, "", 74, 8, 214, 12, alleen},
      {IDC_BLADER_BRON, knop, "...", 288, 7, 25, 14, BS_ICON | WS_TABSTOP},
      {IDC_SOORT_LABEL, tekst, "Type Auditfile", 7, 25, 63, 8, 0},
      {IDC_SOORT, tekst, "", 74, 25, 239, 8, 0},
      {IDC_DOEL_LABEL, tekst, "Inpakken naar", 7, 41, 63, 8, 0},
      {IDC_DOEL, bewerk, "", 74, 39, 214, 12, alleen},
      {IDC_BLADER_DOEL, knop, "...", 288, 38, 25, 14, BS_ICON | WS_TABSTOP},
      {IDC_VOOR_VERZENDING, knop, "Inpakken voor verzending naar de Tolvaart", 74, 57, 239, 8,
       BS_AUTOCHECKBOX | WS_TABSTOP},
      {IDC_INPAKKEN, knop, "Inpakken", 263, 87, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP}}},
    {IDD_UITPAKKEN,
     nederlands,
     0,
     320,
     108,
     "Uitpakken",
     {{IDC_BRON_LABEL, tekst, "Ingepakte Auditfile", 7, 9, 63, 8, SS_LEFT},
      {IDC_BRON, bewerk, "", 74, 8, 214, 12, alleen},
      {IDC_BLADER_BRON, knop, "...", 288, 7, 25, 14, BS_ICON | WS_TABSTOP},
      {IDC_SOORT_LABEL, tekst, "Type Auditfile", 7, 25, 63, 8, 0},
      {IDC_SOORT, tekst, "", 74, 25, 239, 8, 0},
      {IDC_DOEL_LABEL, tekst, "Uitpakken naar", 7, 41, 63, 8, 0},
      {IDC_DOEL, bewerk, "", 74, 39, 214, 12, alleen},
      {IDC_BLADER_DOEL, knop, "...", 288, 38, 25, 14, BS_ICON | WS_TABSTOP},
      {IDC_UITPAKKEN, knop, "Uitpakken", 263, 87, 50, 14, WS_TABSTOP}}},
};

// Names every difference between a control of the template and its row.
void VergelijkControl(int dialoog, const Rij& r, const Control& c) {
    const std::string waar = "dialog " + std::to_string(dialoog) + ", control " +
                             std::to_string(r.id) + " \"" + (r.tekst ? r.tekst : "") + "\": ";
    auto mis = [&](const std::string& wat) { toets::Mislukt(__FILE__, __LINE__, waar + wat); };
    if (c.id != r.id) {
        mis("id " + std::to_string(c.id));
    }
    if (lstrcmpiA(c.klasse.c_str(), r.klasse) != 0 && c.klasse != r.klasse) {
        mis("class " + c.klasse);
    }
    if (r.tekst && c.tekst != r.tekst) {
        mis("text \"" + c.tekst + "\"");
    }
    if (c.x != r.x || c.y != r.y || c.cx != r.cx || c.cy != r.cy) {
        mis("place or size " + std::to_string(c.x) + "," + std::to_string(c.y) + " " +
            std::to_string(c.cx) + "x" + std::to_string(c.cy));
    }
    if ((c.stijl & r.stijl) != r.stijl) {
        mis("missing style bits");
    }
    // Push button, default push button, check box: the low bits are one value, not flags.
    if (r.klasse == std::string(knop) && (c.stijl & 0x0F) != (r.stijl & 0x0F)) {
        mis("button kind");
    }
    const DWORD staat = WS_TABSTOP | WS_DISABLED;
    if ((c.stijl & staat) != (r.stijl & staat)) {
        mis("tab stop or disabled state");
    }
}

void Sjablonen() {
    for (const Sjabloon& s : sjablonen) {
        Dialoog d{};
        if (!LeesDialoog(s.id, s.taal, d)) {
            toets::Mislukt(__FILE__, __LINE__, "no template " + std::to_string(s.id));
            continue;
        }
        if (s.stijl) {
            CHECK_EQ(s.stijl, d.stijl);
        } else {
            CHECK_EQ(static_cast<DWORD>(WS_CHILD | WS_CAPTION | DS_SETFONT),
                     d.stijl & (WS_CHILD | WS_CAPTION | DS_SETFONT | WS_POPUP));
        }
        CHECK_EQ(0, d.x);
        CHECK_EQ(0, d.y);
        CHECK_EQ(s.cx, d.cx);
        CHECK_EQ(s.cy, d.cy);
        CHECK_EQ(std::string(s.titel), d.titel);
        CHECK_EQ(8, d.punten);
        CHECK_EQ(std::string("MS Sans Serif"), d.lettertype);
        REQUIRE(d.controls.size() == s.rijen.size());
        for (std::size_t i = 0; i < s.rijen.size(); ++i) {
            VergelijkControl(s.id, s.rijen[i], d.controls[i]);
        }
    }
    // The pages exist in Dutch only.
    Dialoog d{};
    CHECK(!LeesDialoog(IDD_INPAKKEN, engels, d));
    CHECK(!LeesDialoog(IDD_UITPAKKEN, engels, d));
}

}  // namespace

std::vector<toets::Geval> SjablonenGevallen(ToetsToepassing&) {
    return {{"bronnen: dialoogsjablonen en hun controls", Sjablonen}};
}
