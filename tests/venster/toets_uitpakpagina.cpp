// The unpack page as a user works it, and real files packed and unpacked through both pages:
// one small file, one cut into diskette pieces, one packed for sending.
#include <fstream>

#include "gevallen.h"
#include "hoofdvensteropstelling.h"

namespace {

const char* const bronFilter =
    "Ingepakte auditfile (*.adc, *.xfc, *.xsc, *.xac, *.xwc)|"
    "*.adc;*.xfc;*.xsc;*.ad0;*.xf0;*.xs0;*.xac;*.xa0;*.xwc;*.xw0|"
    "Ingepakte auditfile financieel (*.adc, *.xfc)|*.adc;*.pbl.xfc;*.ad0;*.xf0|"
    "Ingepakte auditfile salaris (*.xsc)|*.xsc;*.xs0|"
    "Ingepakte auditfile afrekensystemen (*.xac)|*.xac;*.xa0|"
    "Ingepakte auditfile woningcorporaties (*.xwc)|*.xwc;*.xw0||";
const char* const meldingSoort =
    "Het opgegeven bestand kan niet verwerkt worden.\n\nIngepakte Auditfiles kunnen alleen de "
    "volgende extensies hebben: \n'.adc' of '.ad0' voor traditionele auditfiles\n'.xfc' of "
    "'.xf0' voor auditfiles financieel in XML-formaat\n'.xsc' of '.xs0' voor auditfiles "
    "salaris in XML-formaat\n'.xac' of '.xa0' voor auditfiles afrekensystemen in XML-formaat\n"
    "'.xwc' of '.xw0' voor auditfiles woningcorporaties in XML-formaat\n";
const char* const statusKlaar = "Klaar. Klik op 'Sluiten' om verder te gaan";

const int bruikbaarNaKeuze[] = {IDC_UITPAKKEN, IDC_DOEL_LABEL, IDC_DOEL, IDC_BLADER_DOEL};

void KiesBron(Hoofdvensteropstelling& o, const std::string& pad) {
    o.KiesTab(1);
    o.toepassing.gekozenBestanden.push_back(pad);
    Klik(o.uitpakken, IDC_BLADER_BRON);
}

void Beginstand(ToetsToepassing& t) {
    Hoofdvensteropstelling o(t);
    HWND p = o.uitpakken;
    CHECK_EQ(std::string(""), Tekst(p, IDC_BRON));
    CHECK(!Zichtbaar(p, IDC_SOORT));
    for (int id : bruikbaarNaKeuze) {
        CHECK(!Ingeschakeld(p, id));
    }
    CHECK(Ingeschakeld(p, IDC_BLADER_BRON));
    CHECK_EQ(std::string("Ingepakte Auditfile"), Tekst(p, IDC_BRON_LABEL));
    CHECK(!::GetDlgItem(p, IDC_VOOR_VERZENDING));
}

struct Keuzegeval {
    const char* naam;
    const char* soort;
    const char* voorstel;
    const char* doelfilter;
};

// What choosing each kind of packed file shows, proposes and offers to the target browse.
constexpr Keuzegeval keuzegevallen[] = {
    {"boek.pbl.xfc", "Auditfile financieel, XML", "boek.pbl.xaf",
     "Ingepakte auditfile financieel, XML (*.xaf)|*.xaf||"},
    {"boek.pbl.xf0", "Auditfile financieel, XML", "boek.pbl.xaf",
     "Ingepakte auditfile financieel, XML (*.xaf)|*.xaf||"},
    {"BOEK.ADC", "klassieke Auditfile financieel", "BOEK.adf",
     "Ingepakte klassieke auditfile financieel (*.adf)|*.adf||"},
    {"loon.xs0", "Auditfile salaris", "loon.xas", "Ingepakte auditfile salaris (*.xas)|*.xas||"},
    {"voorraad.xvc", "Auditfile voorraad", "voorraad.xav",
     "Ingepakte auditfile voorraad (*.xav)|*.xav||"},
    {"kassa.xa0", "Auditfile afrekensystemen", "kassa.xaa",
     "Ingepakte auditfile afrekensystemen (*.xaa)|*.xaa||"},
    {"huur.xwc", "Auditfile woningcorporaties", "huur.xaw",
     "Ingepakte auditfile woningcorporaties (*.xaw)|*.xaw||"},
    {"notes.txt", "", "notes", ""},
};

void BronKiezenPerSoort(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    HWND p = o.uitpakken;
    for (const Keuzegeval& g : keuzegevallen) {
        const std::string bron = map.Maak(g.naam, 10);
        KiesBron(o, bron);
        CHECK_EQ(bron, Tekst(p, IDC_BRON));
        CHECK_EQ(std::string(g.soort), Tekst(p, IDC_SOORT));
        CHECK(Zichtbaar(p, IDC_SOORT));
        CHECK_EQ(map.Pad(g.voorstel), Tekst(p, IDC_DOEL));
        for (int id : bruikbaarNaKeuze) {
            CHECK(Ingeschakeld(p, id));
        }
        t.gekozenBestanden.push_back(std::nullopt);
        Klik(p, IDC_BLADER_DOEL);
        CHECK_EQ(std::string(g.doelfilter), t.bestandsvragen.back().filter);
        CHECK(!t.bestandsvragen.back().openen);
        CHECK_EQ(map.Pad(g.voorstel), t.bestandsvragen.back().beginnaam);
    }
    REQUIRE(!t.bestandsvragen.empty());
    CHECK_EQ(std::string(bronFilter), t.bestandsvragen.front().filter);
    CHECK_EQ(std::string(""), t.bestandsvragen.front().standaardExtensie);
    CHECK(t.bestandsvragen.front().openen);
    // Cancelling the target browse left every proposal as it was, and no message came.
    CHECK(t.berichten.empty());
}

void VoorraadOnbekendEnVerdwenenGeweigerd(ToetsToepassing& t) {
    Werkmap map;
    Hoofdvensteropstelling o(t);
    for (const char* naam : {"voorraad.xvc", "notes.txt"}) {
        KiesBron(o, map.Maak(naam, 10));
        Klik(o.uitpakken, IDC_UITPAKKEN);
        CHECK_EQ(std::vector<std::string>{meldingSoort}, t.NeemBerichten());
    }
    CHECK(!Bestaat(map.Pad("voorraad.xav")));
    CHECK(!Bestaat(map.Pad("notes")));

    const std::string weg = map.Maak("weg.pbl.xfc", 10);
    KiesBron(o, weg);
    ::DeleteFileA(weg.c_str());
    Klik(o.uitpakken, IDC_UITPAKKEN);
    CHECK_EQ(std::vector<std::string>{"Het opgegeven bestand bestaat niet!"}, t.NeemBerichten());
}

// Packs `bron` on the first tab, with "Sluiten" pressed at each end of work.
void Inpakken(Hoofdvensteropstelling& o, const std::string& bron, bool voorVerzending) {
    o.KiesTab(0);
    o.toepassing.gekozenBestanden.push_back(bron);
    Klik(o.inpakken, IDC_BLADER_BRON);
    if (voorVerzending) {
        Klik(o.inpakken, IDC_VOOR_VERZENDING);
    }
    Klik(o.inpakken, IDC_INPAKKEN);
}

void HeenEnTerugDoorBeidePaginas(ToetsToepassing& t) {
    Werkmap map;
    const std::string bron = map.Maak("boek.xaf", 300000);
    Hoofdvensteropstelling o(t);
    SluitenDrukker drukker(o.hoofd.m_hWnd);

    Inpakken(o, bron, false);
    const std::string ingepakt = map.Pad("boek.pbl.xfc");
    CHECK(Bestaat(ingepakt));
    CHECK(t.NeemBerichten().empty());
    REQUIRE(drukker.gezien.size() == 1);
    CHECK_EQ(std::string(statusKlaar), drukker.gezien[0].status);
    CHECK_EQ(std::string("100%"), drukker.gezien[0].procent);
    CHECK_EQ(100, drukker.gezien[0].positie);
    CHECK(drukker.gezien[0].hoofdvensterUitgeschakeld);
    CHECK(::IsWindowEnabled(o.hoofd.m_hWnd));
    CHECK(!ZoekDialoogMet(IDC_VOORTGANGSBALK, "msctls_progress32"));

    KiesBron(o, ingepakt);
    CHECK_EQ(map.Pad("boek.pbl.xaf"), Tekst(o.uitpakken, IDC_DOEL));
    Klik(o.uitpakken, IDC_UITPAKKEN);
    CHECK(t.NeemBerichten().empty());
    CHECK_EQ(2u, drukker.gezien.size());
    CHECK(LeesBestand(bron) == LeesBestand(map.Pad("boek.pbl.xaf")));

    // A second press finds the file just written; the engine asks, and No leaves it.
    t.antwoorden = {IDNO};
    Klik(o.uitpakken, IDC_UITPAKKEN);
    REQUIRE(!t.berichten.empty());
    CHECK_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), t.berichten[0].soort);
    CHECK(t.berichten[0].tekst.find(map.Pad("boek.pbl.xaf")) != std::string::npos);
    CHECK_EQ(t.m_pszAppName, t.berichten[0].titel);
}

const char* const vraagKnippen =
    "Het ingepakte bestand is groter dan 1,4 MB.\nWilt u dat dit bestand in stukken van 1,4 MB\n"
    "wordt geknipt voor verzending op diskettes?";

// Text that deflate can barely shrink, so the packed file passes 1,400,000 bytes.
std::string MaakOnsamendrukbaar(const Werkmap& map, const std::string& naam, std::size_t grootte) {
    std::string inhoud(grootte, '\0');
    std::uint32_t toestand = 2463534242u;
    for (char& c : inhoud) {
        toestand ^= toestand << 13;
        toestand ^= toestand >> 17;
        toestand ^= toestand << 5;
        c = static_cast<char>(toestand);
    }
    std::ofstream(map.Pad(naam), std::ios::binary) << inhoud;
    return map.Pad(naam);
}

void GeknipteSetHeenEnTerug(ToetsToepassing& t) {
    Werkmap map;
    const std::string bron = MaakOnsamendrukbaar(map, "groot.xaf", 3000000);
    Hoofdvensteropstelling o(t);
    SluitenDrukker drukker(o.hoofd.m_hWnd);

    t.antwoorden = {IDYES};
    Inpakken(o, bron, false);
    CHECK_EQ(std::vector<std::string>{vraagKnippen}, t.NeemBerichten());
    for (const char* stuk : {"groot.pbl.xf0", "groot.pbl.xf1", "groot.pbl.xf2"}) {
        CHECK(Bestaat(map.Pad(stuk)));
    }
    CHECK(!Bestaat(map.Pad("groot.pbl.xf3")));
    // One progress window for packing and one for cutting, each closed by the user.
    REQUIRE(drukker.gezien.size() == 2);
    CHECK_EQ(std::string("Inpakken Auditfile"), drukker.gezien[0].titel);
    CHECK_EQ(std::string("Ingepakte Auditfile knippen"), drukker.gezien[1].titel);
    for (const VoortgangGezien& gezien : drukker.gezien) {
        CHECK_EQ(std::string(statusKlaar), gezien.status);
        CHECK_EQ(std::string("100%"), gezien.procent);
        CHECK(gezien.hoofdvensterUitgeschakeld);
    }
    ::DeleteFileA(bron.c_str());

    KiesBron(o, map.Pad("groot.pbl.xf0"));
    CHECK_EQ(map.Pad("groot.pbl.xaf"), Tekst(o.uitpakken, IDC_DOEL));
    Klik(o.uitpakken, IDC_UITPAKKEN);
    CHECK(t.NeemBerichten().empty());
    REQUIRE(drukker.gezien.size() == 3);
    CHECK_EQ(std::string("Uitpakken Auditfile"), drukker.gezien[2].titel);
    CHECK(LeesBestand(map.Pad("groot.pbl.xaf")) ==
          LeesBestand(MaakOnsamendrukbaar(map, "vergelijk.xaf", 3000000)));
    CHECK(::IsWindowEnabled(o.hoofd.m_hWnd));
}

void VoorVerzendingIngepaktWordtGeweigerd(ToetsToepassing& t) {
    Werkmap map;
    const std::string bron = map.Maak("boek.xaf", 2000);
    Hoofdvensteropstelling o(t);
    SluitenDrukker drukker(o.hoofd.m_hWnd);
    Inpakken(o, bron, true);
    REQUIRE(Bestaat(map.Pad("boek.xfc")));
    CHECK(t.NeemBerichten().empty());
    ::DeleteFileA(bron.c_str());

    KiesBron(o, map.Pad("boek.xfc"));
    CHECK_EQ(std::string("Auditfile financieel, XML"), Tekst(o.uitpakken, IDC_SOORT));
    Klik(o.uitpakken, IDC_UITPAKKEN);
    REQUIRE(t.berichten.size() == 1);
    const Berichtvak& fout = t.berichten[0];
    CHECK_EQ(std::string("Het bestand is versleuteld voor verzending naar de Tolvaart\nof het "
                         "bestand is beschadigd."),
             fout.tekst);
    CHECK_EQ(std::string("Uitpakken niet mogelijk"), fout.titel);
    CHECK_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), fout.soort);
    CHECK_EQ(o.hoofd.m_hWnd, fout.eigenaar);
    CHECK(!Bestaat(bron));
    CHECK(::IsWindowEnabled(o.hoofd.m_hWnd));
}

}  // namespace

std::vector<toets::Geval> UitpakpaginaGevallen(ToetsToepassing& t) {
    return {
        {"uitpakken: beginstand", [&] { Beginstand(t); }},
        {"uitpakken: bron kiezen per soort", [&] { BronKiezenPerSoort(t); }},
        {"uitpakken: voorraad, onbekend en verdwenen geweigerd",
         [&] { VoorraadOnbekendEnVerdwenenGeweigerd(t); }},
        {"uitpakken: heen en terug door beide pagina's", [&] { HeenEnTerugDoorBeidePaginas(t); }},
        {"uitpakken: geknipte set heen en terug", [&] { GeknipteSetHeenEnTerug(t); }},
        {"uitpakken: voor verzending ingepakt geweigerd",
         [&] { VoorVerzendingIngepaktWordtGeweigerd(t); }},
    };
}
