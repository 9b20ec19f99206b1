// The pack page as a user works it: browsing, the proposed target and its ".pbl" marking,
// the enabling rule, the checks and question before packing, and a real pack.
#include <fstream>

#include "gevallen.h"
#include "hoofdvensteropstelling.h"

namespace {

const char* const bronFilter =
    "Alle Auditfiles (*.xaf, *.adf, *.xas, *.xaa, *.xaw)|*.adf;*.xaf;*.xas;*.xaa;*.xaw|"
    "Auditfile financieel (*.xaf, *.adf)|*.adf;*.xaf|Auditfile salaris (*.xas)|*.xas|"
    "Auditfile afrekensystemen (*.xaa)|*.xaa|Auditfile woningcorporaties (*.xaw)|*.xaw||";
const DWORD bladerVlaggen = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                            OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN;
const char* const meldingSoort =
    "Het opgegeven bestand kan niet verwerkt worden.\n\nAuditfiles kunnen alleen de volgende "
    "extensies hebben: \n'.adf' voor traditionele auditfiles\n'.xaf' voor auditfiles fiancieel "
    "in XML-formaat\n'.xas' voor auditfiles in XML-formaat\n'.xaa' voor auditfiles "
    "afrekensystemen in XML-formaat\n'.xaw' voor auditfiles woningcorporaties in XML-formaat\n";

const int bruikbaarNaKeuze[] = {IDC_INPAKKEN, IDC_VOOR_VERZENDING, IDC_DOEL_LABEL, IDC_DOEL,
                                IDC_BLADER_DOEL};

void KiesBron(Hoofdvensteropstelling& o, const std::string& pad) {
    o.toepassing.gekozenBestanden.push_back(pad);
    Klik(o.inpakken, IDC_BLADER_BRON);
}

void Beginstand(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    CHECK_EQ(std::string(""), Tekst(p, IDC_BRON));
    CHECK_EQ(std::string(""), Tekst(p, IDC_DOEL));
    CHECK(!Zichtbaar(p, IDC_SOORT));
    for (int id : bruikbaarNaKeuze) {
        CHECK(!Ingeschakeld(p, id));
    }
    CHECK(Ingeschakeld(p, IDC_BLADER_BRON));
    CHECK(Ingeschakeld(p, IDC_BRON));
    CHECK_EQ(static_cast<UINT>(BST_UNCHECKED), ::IsDlgButtonChecked(p, IDC_VOOR_VERZENDING));
    CHECK_EQ(std::string("Audtifile"), Tekst(p, IDC_BRON_LABEL));
    // Both browse buttons show the icon instead of "...".
    CHECK(::SendDlgItemMessageA(p, IDC_BLADER_BRON, BM_GETIMAGE, IMAGE_ICON, 0) != 0);
    CHECK(::SendDlgItemMessageA(p, IDC_BLADER_DOEL, BM_GETIMAGE, IMAGE_ICON, 0) != 0);
}

void BronKiezenSteltDoelVoorEnMarkeert(ToetsToepassing& t) {
    Werkmap map;
    const std::string bron = map.Maak("boek.xaf", 100);
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    KiesBron(o, bron);
    REQUIRE(t.bestandsvragen.size() == 1);
    const Bestandsvraag& vraag = t.bestandsvragen[0];
    CHECK(vraag.openen);
    CHECK_EQ(std::string(bronFilter), vraag.filter);
    CHECK_EQ(std::string("adf"), vraag.standaardExtensie);
    CHECK_EQ(std::string(""), vraag.beginnaam);
    CHECK_EQ(bladerVlaggen, vraag.vlaggen & bladerVlaggen);
    CHECK_EQ(o.hoofd.m_hWnd, vraag.eigenaar);

    CHECK_EQ(bron, Tekst(p, IDC_BRON));
    CHECK_EQ(std::string("Auditfile financieel, XML"), Tekst(p, IDC_SOORT));
    CHECK(Zichtbaar(p, IDC_SOORT));
    CHECK_EQ(map.Pad("boek.pbl.xfc"), Tekst(p, IDC_DOEL));
    for (int id : bruikbaarNaKeuze) {
        CHECK(Ingeschakeld(p, id));
    }

    Klik(p, IDC_VOOR_VERZENDING);
    CHECK_EQ(map.Pad("boek.xfc"), Tekst(p, IDC_DOEL));
    Klik(p, IDC_VOOR_VERZENDING);
    CHECK_EQ(map.Pad("boek.pbl.xfc"), Tekst(p, IDC_DOEL));

    // The next browse starts from the chosen file; cancelling it changes nothing.
    o.toepassing.gekozenBestanden.push_back(std::nullopt);
    Klik(p, IDC_BLADER_BRON);
    REQUIRE(t.bestandsvragen.size() == 2);
    CHECK_EQ(bron, t.bestandsvragen[1].beginnaam);
    CHECK_EQ(bron, Tekst(p, IDC_BRON));
    CHECK_EQ(map.Pad("boek.pbl.xfc"), Tekst(p, IDC_DOEL));
    CHECK(t.berichten.empty());
}

void HoofdlettersBlijvenInHetVoorstel(ToetsToepassing& t) {
    Werkmap map;
    const std::string bron = map.Maak("BOEK.XAF", 10);
    Hoofdvensteropstelling o(t);
    KiesBron(o, bron);
    CHECK_EQ(map.Pad("BOEK.pbl.xfc"), Tekst(o.inpakken, IDC_DOEL));
}

void DoelKiezenPastMarkeringToe(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    KiesBron(o, map.Maak("boek.xaf", 10));
    t.gekozenBestanden.push_back(map.Pad("kopie.xfc"));
    Klik(p, IDC_BLADER_DOEL);
    REQUIRE(t.bestandsvragen.size() == 2);
    const Bestandsvraag& vraag = t.bestandsvragen[1];
    CHECK(!vraag.openen);
    CHECK_EQ(std::string("Ingepakte Auditfile financieel, XML (*.xfc)|*.xfc||"), vraag.filter);
    CHECK_EQ(map.Pad("boek.pbl.xfc"), vraag.beginnaam);
    CHECK_EQ(std::string(""), vraag.standaardExtensie);
    CHECK_EQ(map.Pad("kopie.pbl.xfc"), Tekst(p, IDC_DOEL));

    Klik(p, IDC_VOOR_VERZENDING);
    t.gekozenBestanden.push_back(map.Pad("kopie.pbl.xfc"));
    Klik(p, IDC_BLADER_DOEL);
    CHECK_EQ(map.Pad("kopie.xfc"), Tekst(p, IDC_DOEL));

    // Each kind gets its own filter list.
    KiesBron(o, map.Maak("loon.xas", 10));
    t.gekozenBestanden.push_back(std::nullopt);
    Klik(p, IDC_BLADER_DOEL);
    CHECK_EQ(std::string("Ingepakte Auditfile salaris (*.xsc)|*.xsc||"),
             t.bestandsvragen.back().filter);
}

void OnbekendeExtensie(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    KiesBron(o, map.Maak("notes.txt", 10));
    CHECK_EQ(std::string(""), Tekst(p, IDC_SOORT));
    CHECK(Zichtbaar(p, IDC_SOORT));
    CHECK_EQ(map.Pad("notes.pbl"), Tekst(p, IDC_DOEL));
    CHECK(Ingeschakeld(p, IDC_INPAKKEN));
    t.gekozenBestanden.push_back(std::nullopt);
    Klik(p, IDC_BLADER_DOEL);
    CHECK_EQ(std::string(""), t.bestandsvragen.back().filter);
    Klik(p, IDC_INPAKKEN);
    CHECK_EQ(std::vector<std::string>{meldingSoort}, t.NeemBerichten());
    CHECK(!Bestaat(map.Pad("notes.pbl")));
}

void VerdwenenBronEnOnleesbareKeuze(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    const std::string bron = map.Maak("boek.xaf", 10);
    KiesBron(o, bron);
    ::DeleteFileA(bron.c_str());
    // The page keeps its state; the action says what is wrong.
    CHECK(Ingeschakeld(p, IDC_INPAKKEN));
    Klik(p, IDC_INPAKKEN);
    CHECK_EQ(std::vector<std::string>{"Het opgegeven bestand bestaat niet!"}, t.NeemBerichten());
    CHECK(!Bestaat(map.Pad("boek.pbl.xfc")));

    // A browse that returns a file which does not open disables the page again.
    KiesBron(o, map.Pad("weg.xaf"));
    CHECK(!Ingeschakeld(p, IDC_INPAKKEN));
    CHECK(!Zichtbaar(p, IDC_SOORT));
    CHECK(t.NeemBerichten().empty());
}

// The question before an existing target is replaced, with its path.
std::string Vraag(const std::string& pad) {
    return "Het bestand\n" + pad + "\nbestaat al.\n\nMoet dit vervangen worden?";
}

void BestaandDoelEerstGevraagd(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    HWND p = o.inpakken;
    KiesBron(o, map.Maak("boek.xaf", 5000));
    const std::string doel = map.Pad("boek.pbl.xfc");
    std::ofstream(doel, std::ios::binary) << "oud";

    t.antwoorden = {IDNO};
    Klik(p, IDC_INPAKKEN);
    REQUIRE(t.berichten.size() == 2);
    CHECK_EQ(Vraag(doel), t.berichten[0].tekst);
    CHECK_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), t.berichten[0].soort);
    CHECK_EQ(std::string("Verwerking afgebroken"), t.berichten[1].tekst);
    CHECK_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), t.berichten[1].soort);
    CHECK_EQ(std::string("oud"), LeesBestand(doel));
    t.berichten.clear();

    t.antwoorden = {IDYES};
    SluitenDrukker drukker(o.hoofd.m_hWnd);
    Klik(p, IDC_INPAKKEN);
    CHECK_EQ(std::vector<std::string>{Vraag(doel)}, t.NeemBerichten());
    CHECK_EQ(std::string("AXC003POAIAA"), LeesBestand(doel).substr(0, 12));
    CHECK_EQ(1u, drukker.gezien.size());
}

}  // namespace

std::vector<toets::Geval> InpakpaginaGevallen(ToetsToepassing& t) {
    return {
        {"inpakken: beginstand", [&] { Beginstand(t); }},
        {"inpakken: bron kiezen stelt doel voor en markeert",
         [&] { BronKiezenSteltDoelVoorEnMarkeert(t); }},
        {"inpakken: hoofdletters blijven", [&] { HoofdlettersBlijvenInHetVoorstel(t); }},
        {"inpakken: doel kiezen past markering toe", [&] { DoelKiezenPastMarkeringToe(t); }},
        {"inpakken: onbekende extensie", [&] { OnbekendeExtensie(t); }},
        {"inpakken: verdwenen bron, onleesbare keuze", [&] { VerdwenenBronEnOnleesbareKeuze(t); }},
        {"inpakken: bestaand doel eerst gevraagd", [&] { BestaandDoelEerstGevraagd(t); }},
    };
}
