// What the two pages share: their browse flags, the choice of the target browse's filter list,
// the icon of their browse buttons and their enabling rule.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <initializer_list>
#include <span>
#include <string>

#include "auditfilesoort.h"
#include "platform/dialog.h"

// The flags of both browse dialogs on both pages.
inline constexpr DWORD bladerVlaggen = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                                       OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN;

// One kind's filter list for a page's target browse.
struct Doelfilter {
    const zegelaar::Auditfilesoort* soort;
    const char* filter;
};

// The filter list of the kind that the last source browse found; empty for none.
std::string DoelfilterVan(std::span<const Doelfilter> filters,
                          const zegelaar::Auditfilesoort* soort);

// Gives both browse buttons of a page the browse icon instead of their text.
void ZetBladerIconen(CDialog& pagina);

// True when the source text names a file that opens for reading.
bool IsBronBruikbaar(const std::string& bron);

// Enables or disables the controls in the given order; the kind label (1006) is shown or hidden
// instead.
void ZetBruikbaar(CDialog& pagina, std::initializer_list<int> controls, bool bruikbaar);
