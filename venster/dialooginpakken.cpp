// The pack page's handlers.
#include "dialooginpakken.h"

#include <iterator>
#include <string_view>

#include "bestandsnaam.h"
#include "bronnummers.h"
#include "inpakactie.h"
#include "paginabediening.h"
#include "platform/filedialog.h"
#include "vensterdialoog.h"

namespace {

constexpr const char* bronFilter =
    "Alle Auditfiles (*.xaf, *.adf, *.xas, *.xaa, *.xaw)|*.adf;*.xaf;*.xas;*.xaa;*.xaw|"
    "Auditfile financieel (*.xaf, *.adf)|*.adf;*.xaf|Auditfile salaris (*.xas)|*.xas|"
    "Auditfile afrekensystemen (*.xaa)|*.xaa|Auditfile woningcorporaties (*.xaw)|*.xaw||";

constexpr Doelfilter doelFilters[] = {
    {&zegelaar::KlassiekFinancieel, "Ingepakte klassieke Auditfile financieel (*.adc)|*.adc||"},
    {&zegelaar::XmlFinancieel, "Ingepakte Auditfile financieel, XML (*.xfc)|*.xfc||"},
    {&zegelaar::Salaris, "Ingepakte Auditfile salaris (*.xsc)|*.xsc||"},
    {&zegelaar::Afrekensystemen, "Ingepakte Auditfile afrekensystemen (*.xac)|*.xac||"},
    {&zegelaar::Woningcorporaties, "Ingepakte Auditfile woningcorporaties (*.xwc)|*.xwc||"},
};

}  // namespace

CDialoogInpakken::CDialoogInpakken() : CPropertyPage(IDD_INPAKKEN) {}

const MessageMap* CDialoogInpakken::Map() {
    static const MessageMapEntry entries[] = {
        MapCommand(EN_CHANGE, IDC_BRON, &CDialoogInpakken::OnChangeBron),
        MapCommand(BN_CLICKED, IDC_BLADER_BRON, &CDialoogInpakken::OnBladerBron),
        MapCommand(BN_CLICKED, IDC_BLADER_DOEL, &CDialoogInpakken::OnBladerDoel),
        MapCommand(BN_CLICKED, IDC_INPAKKEN, &CDialoogInpakken::OnInpakken),
        MapCommand(BN_CLICKED, IDC_VOOR_VERZENDING, &CDialoogInpakken::OnVoorVerzending),
    };
    static const MessageMap map{CPropertyPage::Map(), entries, std::size(entries)};
    return &map;
}

BOOL CDialoogInpakken::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    ZetBladerIconen(*this);
    OnChangeBron();
    return TRUE;
}

bool CDialoogInpakken::IsVoorVerzending() const {
    return ::IsDlgButtonChecked(m_hWnd, IDC_VOOR_VERZENDING) == BST_CHECKED;
}

void CDialoogInpakken::OnChangeBron() {
    const bool bruikbaar = IsBronBruikbaar(GetDlgItemText(IDC_BRON));
    ZetBruikbaar(
        *this,
        {IDC_INPAKKEN, IDC_VOOR_VERZENDING, IDC_SOORT, IDC_DOEL_LABEL, IDC_DOEL, IDC_BLADER_DOEL},
        bruikbaar);
    OnVoorVerzending();
}

void CDialoogInpakken::OnBladerBron() {
    CFileDialog bladeren(TRUE, ".adf", GetDlgItemText(IDC_BRON), bladerVlaggen, bronFilter);
    if (bladeren.DoModal() != IDOK) {
        return;
    }
    const std::string pad = bladeren.GetPathName();
    gekozenBron = pad;
    SetDlgItemText(IDC_BRON, pad);  // runs OnChangeBron
    const zegelaar::Inpakvoorstel voorstel = zegelaar::StelInpakkenVoor(pad, IsVoorVerzending());
    gekozenSoort = voorstel.soort;
    gekozenDoel = voorstel.doel;
    SetDlgItemText(IDC_SOORT, gekozenSoort ? std::string(gekozenSoort->weergaveNaam) : "");
    SetDlgItemText(IDC_DOEL, gekozenDoel);
}

void CDialoogInpakken::OnBladerDoel() {
    CFileDialog bladeren(FALSE, "", GetDlgItemText(IDC_DOEL), bladerVlaggen,
                         DoelfilterVan(doelFilters, gekozenSoort));
    if (bladeren.DoModal() != IDOK) {
        return;
    }
    gekozenDoel = zegelaar::PblRegel(bladeren.GetPathName(), IsVoorVerzending());
    SetDlgItemText(IDC_DOEL, gekozenDoel);
}

void CDialoogInpakken::OnVoorVerzending() {
    gekozenDoel = zegelaar::PblRegel(GetDlgItemText(IDC_DOEL), IsVoorVerzending());
    SetDlgItemText(IDC_DOEL, gekozenDoel);
}

void CDialoogInpakken::OnInpakken() {
    Vensterdialoog dialoog;
    zegelaar::Inpakken(dialoog, gekozenBron, gekozenDoel, IsVoorVerzending());
}
