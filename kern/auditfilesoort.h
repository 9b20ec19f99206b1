// The fixed table of audit-file kinds: which extensions belong together, how pieces are
// named and which magic a packed file of the kind carries.
#pragma once

#include <array>
#include <string_view>

namespace zegelaar {

// One row of the kinds table. The stock kind has neither piece pattern nor magic (empty views):
// it is only ever named, never packed or unpacked.
struct Auditfilesoort {
    std::string_view weergaveNaam;
    std::string_view bronExtensie;
    std::string_view ingepakteExtensie;
    std::string_view eersteStukExtensie;
    std::string_view stukPatroon;  // printf-style, one %d for the piece number
    std::string_view kenmerk;      // exactly 12 characters
};

inline constexpr Auditfilesoort KlassiekFinancieel{
    "klassieke Auditfile financieel", ".adf", ".adc", ".ad0", ".ad%d", "ADC003POAIAA"};
inline constexpr Auditfilesoort XmlFinancieel{
    "Auditfile financieel, XML", ".xaf", ".xfc", ".xf0", ".xf%d", "AXC003POAIAA"};
inline constexpr Auditfilesoort Salaris{"Auditfile salaris", ".xas", ".xsc", ".xs0", ".xs%d",
                                        "ASC003POAIAA"};
inline constexpr Auditfilesoort Voorraad{"Auditfile voorraad", ".xav", ".xvc", ".xv0", "", ""};
inline constexpr Auditfilesoort Afrekensystemen{
    "Auditfile afrekensystemen", ".xaa", ".xac", ".xa0", ".xa%d", "AAC003POAIAA"};
inline constexpr Auditfilesoort Woningcorporaties{
    "Auditfile woningcorporaties", ".xaw", ".xwc", ".xw0", ".xw%d", "AAW003POAIAA"};

// All six kinds, always in this order.
inline constexpr std::array<const Auditfilesoort*, 6> Auditfilesoorten{
    &KlassiekFinancieel, &XmlFinancieel, &Salaris, &Voorraad, &Afrekensystemen, &Woningcorporaties};

// True for the kinds that can be packed and unpacked (all but stock).
constexpr bool IsVerwerkbaar(const Auditfilesoort& soort) {
    return !soort.kenmerk.empty();
}

}  // namespace zegelaar
