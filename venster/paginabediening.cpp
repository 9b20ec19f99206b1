// Helpers of the pack and unpack pages.
#include "paginabediening.h"

#include "bronnummers.h"
#include "platform.h"
#include "platform/app.h"

std::string DoelfilterVan(std::span<const Doelfilter> filters,
                          const zegelaar::Auditfilesoort* soort) {
    for (const Doelfilter& rij : filters) {
        if (rij.soort == soort) {
            return rij.filter;
        }
    }
    return {};
}

void ZetBladerIconen(CDialog& pagina) {
    for (int knop : {IDC_BLADER_BRON, IDC_BLADER_DOEL}) {
        // A shared icon of the small size fits the 14-unit-high buttons; the system frees it.
        HANDLE icoon = ::LoadImageA(AfxGetApp()->m_hInstance, MAKEINTRESOURCEA(IDI_BLADEREN),
                                    IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                    ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
        ::SendMessageA(pagina.GetDlgItem(knop), BM_SETIMAGE, IMAGE_ICON,
                       reinterpret_cast<LPARAM>(icoon));
    }
}

bool IsBronBruikbaar(const std::string& bron) {
    return !bron.empty() && zegelaar::BestandBestaat(bron);
}

void ZetBruikbaar(CDialog& pagina, std::initializer_list<int> controls, bool bruikbaar) {
    for (int id : controls) {
        HWND control = pagina.GetDlgItem(id);
        if (id == IDC_SOORT) {
            ::ShowWindow(control, bruikbaar ? SW_SHOW : SW_HIDE);
        } else {
            ::EnableWindow(control, bruikbaar);
        }
    }
}
