// The unpack page's handlers.
#include "dialooguitpakken.h"

#include <iterator>

#include "bronnummers.h"
#include "paginabediening.h"
#include "platform/filedialog.h"
#include "uitpakactie.h"
#include "vensterdialoog.h"

namespace {

constexpr const char* bronFilter =
    "Ingepakte auditfile (*.adc, *.xfc, *.xsc, *.xac, *.xwc)|"
    "*.adc;*.xfc;*.xsc;*.ad0;*.xf0;*.xs0;*.xac;*.xa0;*.xwc;*.xw0|"
    "Ingepakte auditfile financieel (*.adc, *.xfc)|*.adc;*.pbl.xfc;*.ad0;*.xf0|"
    "Ingepakte auditfile salaris (*.xsc)|*.xsc;*.xs0|"
    "Ingepakte auditfile afrekensystemen (*.xac)|*.xac;*.xa0|"
    "Ingepakte auditfile woningcorporaties (*.xwc)|*.xwc;*.xw0||";

constexpr Doelfilter doelFilters[] = {
    {&zegelaar::KlassiekFinancieel, "Ingepakte klassieke auditfile financieel (*.adf)|*.adf||"},
    {&zegelaar::XmlFinancieel, "Ingepakte auditfile financieel, XML (*.xaf)|*.xaf||"},
    {&zegelaar::Salaris, "Ingepakte auditfile salaris (*.xas)|*.xas||"},
    {&zegelaar::Voorraad, "Ingepakte auditfile voorraad (*.xav)|*.xav||"},
    {&zegelaar::Afrekensystemen, "Ingepakte auditfile afrekensystemen (*.xaa)|*.xaa||"},
    {&zegelaar::Woningcorporaties, "Ingepakte auditfile woningcorporaties (*.xaw)|*.xaw||"},
};

}  // namespace

CDialoogUitpakken::CDialoogUitpakken() : CPropertyPage(IDD_UITPAKKEN) {}

const MessageMap* CDialoogUitpakken::Map() {
    static const MessageMapEntry entries[] = {
        MapCommand(EN_CHANGE, IDC_BRON, &CDialoogUitpakken::OnChangeBron),
        MapCommand(BN_CLICKED, IDC_BLADER_BRON, &CDialoogUitpakken::OnBladerBron),
        MapCommand(BN_CLICKED, IDC_UITPAKKEN, &CDialoogUitpakken::OnUitpakken),
        MapCommand(BN_CLICKED, IDC_BLADER_DOEL, &CDialoogUitpakken::OnBladerDoel),
    };
    static const MessageMap map{CPropertyPage::Map(), entries, std::size(entries)};
    return &map;
}

BOOL CDialoogUitpakken::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    ZetBladerIconen(*this);
    OnChangeBron();
    return TRUE;
}

void CDialoogUitpakken::OnChangeBron() {
    const bool bruikbaar = IsBronBruikbaar(GetDlgItemText(IDC_BRON));
    ZetBruikbaar(*this, {IDC_UITPAKKEN, IDC_SOORT, IDC_DOEL_LABEL, IDC_DOEL, IDC_BLADER_DOEL},
                 bruikbaar);
}

void CDialoogUitpakken::OnBladerBron() {
    CFileDialog bladeren(TRUE, "", GetDlgItemText(IDC_BRON), bladerVlaggen, bronFilter);
    if (bladeren.DoModal() != IDOK) {
        return;
    }
    const std::string pad = bladeren.GetPathName();
    SetDlgItemText(IDC_BRON, pad);  // runs OnChangeBron
    gekozenBron = pad;
    const zegelaar::Uitpakvoorstel voorstel = zegelaar::StelUitpakkenVoor(pad);
    gekozenSoort = voorstel.soort;
    gekozenDoel = voorstel.doel;
    SetDlgItemText(IDC_SOORT, gekozenSoort ? std::string(gekozenSoort->weergaveNaam) : "");
    SetDlgItemText(IDC_DOEL, gekozenDoel);
}

void CDialoogUitpakken::OnBladerDoel() {
    CFileDialog bladeren(FALSE, "", GetDlgItemText(IDC_DOEL), bladerVlaggen,
                         DoelfilterVan(doelFilters, gekozenSoort));
    if (bladeren.DoModal() != IDOK) {
        return;
    }
    gekozenDoel = bladeren.GetPathName();
    SetDlgItemText(IDC_DOEL, gekozenDoel);
}

void CDialoogUitpakken::OnUitpakken() {
    Vensterdialoog dialoog;
    zegelaar::Uitpakken(dialoog, gekozenBron, gekozenDoel);
}
