// The generator of made-up audit files. A company's relations and ledger come first, then
// journals of transactions with their lines until the size is reached; amounts, relations and
// texts are drawn from a seeded generator so that the file packs about as well as real exports.
#include "auditfilegenerator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace zegelaar::gereedschap {

namespace {

// splitmix64: fast, and the same sequence on every platform.
class Trekking {
  public:
    explicit Trekking(std::uint64_t zaad) : toestand_(zaad) {}
    std::uint64_t Volgende() {
        std::uint64_t z = (toestand_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to n - 1.
    std::uint32_t Onder(std::uint32_t n) { return static_cast<std::uint32_t>(Volgende() % n); }
    template <std::size_t N>
    std::string_view Kies(const std::array<std::string_view, N>& lijst) {
        return lijst[Onder(N)];
    }

  private:
    std::uint64_t toestand_;
};

constexpr std::array<std::string_view, 16> achternamen{
    "De Vries", "Jansen",   "Van den Berg", "Bakker",   "Visser", "Smit",
    "Meijer",   "De Boer",  "Mulder",       "De Groot", "Bos",    "Vos",
    "Peters",   "Hendriks", "Van Leeuwen",  "Dekker"};
constexpr std::array<std::string_view, 12> bedrijfsvormen{
    "Bakkerij",    "Installatiebedrijf", "Transport", "Hoveniersbedrijf",
    "Drukkerij",   "Schildersbedrijf",   "Garage",    "Adviesbureau",
    "Groothandel", "Aannemersbedrijf",   "Kapsalon",  "Administratiekantoor"};
constexpr std::array<std::string_view, 12> plaatsen{
    "Amersfoort", "Zwolle",  "Utrecht",   "Apeldoorn",  "Deventer", "Harderwijk",
    "Ede",        "Nijkerk", "Barneveld", "Hoevelaken", "Leusden",  "Soest"};
constexpr std::array<std::string_view, 10> straten{
    "Stationsweg", "Kerkstraat", "Dorpsstraat",  "Molenweg",   "Industrieweg",
    "Havenstraat", "Marktplein", "Schoolstraat", "Nieuwe Weg", "Beukenlaan"};

struct Rekening {
    std::string_view id;
    std::string_view omschrijving;
    char soort;  // B balance, P profit and loss
};
constexpr std::array<Rekening, 24> rekeningen{{
    {"0100", "Bedrijfsgebouwen", 'B'},
    {"0200", "Inventaris", 'B'},
    {"0300", "Vervoermiddelen", 'B'},
    {"1000", "Kas", 'B'},
    {"1100", "Bank ING", 'B'},
    {"1110", "Bank Rabobank", 'B'},
    {"1300", "Debiteuren", 'B'},
    {"1500", "Te vorderen btw", 'B'},
    {"1600", "Crediteuren", 'B'},
    {"1700", "Af te dragen btw hoog", 'B'},
    {"1710", "Af te dragen btw laag", 'B'},
    {"2000", "Tussenrekening lonen", 'B'},
    {"3000", "Voorraad handelsgoederen", 'B'},
    {"4000", "Brutolonen", 'P'},
    {"4100", "Sociale lasten", 'P'},
    {"4300", "Huisvestingskosten", 'P'},
    {"4400", "Autokosten", 'P'},
    {"4500", "Kantoorkosten", 'P'},
    {"4600", "Verkoopkosten", 'P'},
    {"4700", "Algemene kosten", 'P'},
    {"7000", "Inkoopwaarde omzet", 'P'},
    {"8000", "Omzet hoog tarief", 'P'},
    {"8100", "Omzet laag tarief", 'P'},
    {"9000", "Rentebaten en -lasten", 'P'},
}};

struct Dagboek {
    std::string_view id;
    std::string_view omschrijving;
    char soort;  // S sales, P purchases, B bank, G general
    std::string_view tegenrekening;
    std::string_view tekst;
};
constexpr std::array<Dagboek, 4> dagboeken{{
    {"VK", "Verkoopboek", 'S', "1300", "Factuur"},
    {"IK", "Inkoopboek", 'P', "1600", "Inkoopfactuur"},
    {"BNK", "Bankboek ING", 'B', "1100", "Betaling"},
    {"MEM", "Memoriaal", 'G', "2000", "Memoriaalboeking"},
}};

constexpr std::array<std::string_view, 16> regelteksten{
    "Levering",   "Onderhoud", "Materiaal", "Uren monteur", "Huur",      "Brandstof",
    "Kantoor",    "Software",  "Advies",    "Transport",    "Reparatie", "Verzekering",
    "Schoonmaak", "Energie",   "Telefonie", "Porti"};
constexpr std::array<std::string_view, 16> artikelen{
    "kabel 3x2,5", "pomp type B", "cv-ketel",   "radiator",  "thermostaat",     "leiding 15mm",
    "koppeling",   "afsluiter",   "boiler 80l", "filterset", "klein materiaal", "zonnepaneel",
    "omvormer",    "meterkast",   "ventilator", "warmtepomp"};

// Relations of a large file; a small file has one per two kilobytes.
constexpr std::uint64_t meesteRelaties = 3000;
constexpr int jaar = 2025;

// Appends text pieces and numbers to a growing string.
struct Regels {
    std::string tekst;
    Regels& operator<<(std::string_view s) {
        tekst += s;
        return *this;
    }
    Regels& operator<<(char c) {
        tekst += c;
        return *this;
    }
    Regels& Getal(std::uint64_t n, int breedte = 0) {
        char buf[24];
        const auto eind = std::to_chars(buf, buf + sizeof buf, n).ptr;
        for (int i = static_cast<int>(eind - buf); i < breedte; ++i) {
            tekst += '0';
        }
        tekst.append(buf, eind);
        return *this;
    }
    // An amount in cents as euros with two decimals.
    Regels& Bedrag(std::uint64_t centen) {
        Getal(centen / 100) << '.';
        return Getal(centen % 100, 2);
    }
    Regels& Datum(int dagVanJaar) {
        static constexpr std::array<int, 12> dagen{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int maand = 0;
        while (maand < 11 && dagVanJaar >= dagen[maand]) {
            dagVanJaar -= dagen[maand++];
        }
        Getal(jaar) << '-';
        Getal(maand + 1, 2) << '-';
        return Getal(dagVanJaar + 1, 2);
    }
    Regels& Veld(std::string_view naam, std::string_view waarde) {
        return *this << '<' << naam << '>' << waarde << "</" << naam << ">\n";
    }
};

std::string RelatieNaam(int n) {
    return std::string(bedrijfsvormen[n % bedrijfsvormen.size()]) + ' ' +
           std::string(achternamen[(n / 12) % achternamen.size()]) + ' ' +
           std::string(plaatsen[(n / 192) % plaatsen.size()]);
}

void Kop(Regels& r, Trekking& t, int aantalRelaties) {
    r << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<auditfile xmlns=\"http://www.auditfiles.nl/XAF/3.2\">\n"
         "<header>\n";
    r.Veld("fiscalYear", "2025").Veld("startDate", "2025-01-01");
    r.Veld("endDate", "2025-12-31").Veld("curCode", "EUR");
    r.Veld("dateCreated", "2026-01-16").Veld("softwareDesc", "Boekhouder Online");
    r.Veld("softwareVersion", "7.4.2");
    r << "</header>\n<company>\n";
    r.Veld("companyIdent", "30123456");
    r.Veld("companyName", "Houtvast Installatietechniek B.V.");
    r.Veld("taxRegistrationCountry", "NL").Veld("taxRegIdent", "NL812345678B01");
    r << "<streetAddress>\n";
    r.Veld("streetname", "Ambachtsweg").Veld("number", "12");
    r.Veld("city", "Amersfoort").Veld("postalCode", "3812 AB");
    r.Veld("country", "NL");
    r << "</streetAddress>\n<customersSuppliers>\n";
    for (int n = 0; n < aantalRelaties; ++n) {
        const bool klant = n % 3 != 0;
        r << "<customerSupplier>\n<custSupID>" << (klant ? 'D' : 'C');
        r.Getal(10000 + n) << "</custSupID>\n";
        r.Veld("custSupName", RelatieNaam(n));
        r.Veld("custSupTp", klant ? "C" : "S");
        r << "<streetAddress>\n";
        r.Veld("streetname", t.Kies(straten));
        r << "<number>";
        r.Getal(1 + t.Onder(180)) << "</number>\n";
        r.Veld("city", t.Kies(plaatsen));
        r << "<postalCode>";
        r.Getal(3700 + t.Onder(300)) << ' ' << static_cast<char>('A' + t.Onder(26))
                                     << static_cast<char>('A' + t.Onder(26)) << "</postalCode>\n";
        r << "</streetAddress>\n</customerSupplier>\n";
    }
    r << "</customersSuppliers>\n<generalLedger>\n";
    for (const Rekening& rek : rekeningen) {
        r << "<ledgerAccount>\n";
        r.Veld("accID", rek.id).Veld("accDesc", rek.omschrijving);
        r.Veld("accTp", std::string_view(&rek.soort, 1));
        r << "</ledgerAccount>\n";
    }
    r << "</generalLedger>\n<transactions>\n";
}

// One line of a transaction; a VAT percentage below 0 means no VAT element, a cost centre of
// 0 none.
void Regel(Regels& r, int nr, std::string_view rekening, std::string_view document, int dag,
           std::string_view omschrijving, std::uint64_t centen, bool debet, int relatie,
           int btwPercentage, std::uint32_t kostenplaats) {
    r << "<trLine>\n<nr>";
    r.Getal(nr) << "</nr>\n";
    r.Veld("accID", rekening).Veld("docRef", document);
    r << "<effDate>";
    r.Datum(dag) << "</effDate>\n";
    r.Veld("desc", omschrijving);
    r << "<amnt>";
    r.Bedrag(centen) << "</amnt>\n";
    r.Veld("amntTp", debet ? "D" : "C");
    if (kostenplaats > 0) {
        r << "<costID>KP";
        r.Getal(kostenplaats, 4) << "</costID>\n";
    }
    if (btwPercentage >= 0) {
        r << "<vat>\n<vatID>" << (btwPercentage == 21 ? '1' : '2');
        r << "</vatID>\n<vatPerc>";
        r.Getal(static_cast<std::uint64_t>(btwPercentage)) << ".00</vatPerc>\n";
        r << "<vatAmnt>";
        r.Bedrag(centen * static_cast<std::uint64_t>(btwPercentage) / 100) << "</vatAmnt>\n";
        r << "<vatAmntTp>" << (debet ? 'D' : 'C') << "</vatAmntTp>\n";
        r << "</vat>\n";
    }
    if (relatie >= 0) {
        r << "<custSupID>" << (relatie % 3 != 0 ? 'D' : 'C');
        r.Getal(10000 + relatie) << "</custSupID>\n";
    }
    r << "</trLine>\n";
}

// One transaction of a journal: a counter line against one or two revenue or cost lines.
void Transactie(Regels& r, Trekking& t, const Dagboek& boek, std::uint64_t nr, int dag,
                int aantalRelaties) {
    const int relatie = static_cast<int>(t.Onder(static_cast<std::uint32_t>(aantalRelaties)));
    // Own invoices are numbered in order; a supplier's number is its own.
    std::string document = std::to_string(jaar) + '-';
    document += boek.soort == 'P' ? std::to_string(t.Onder(1000000000))
                                  : std::to_string(1000000 + nr).substr(1);
    const std::uint32_t regels = 1 + t.Onder(3);
    std::array<std::uint64_t, 3> bedragen{};
    std::uint64_t totaal = 0;
    for (std::uint32_t i = 0; i < regels; ++i) {
        bedragen[i] = 500 + t.Volgende() % (t.Onder(8) == 0 ? 2500000 : 250000);
        totaal += bedragen[i];
    }
    const std::string tekst = std::string(boek.tekst) + ' ' + document + ' ' + RelatieNaam(relatie);
    r << "<transaction>\n<nr>";
    r.Getal(nr) << "</nr>\n";
    r.Veld("desc", tekst);
    r << "<periodNumber>";
    r.Getal(1 + dag * 12 / 365) << "</periodNumber>\n<trDt>";
    r.Datum(dag) << "</trDt>\n<amnt>";
    r.Bedrag(totaal) << "</amnt>\n";
    const bool verkoop = boek.soort == 'S';
    Regel(r, 1, boek.tegenrekening, document, dag, tekst, totaal, verkoop, relatie, -1, 0);
    for (std::uint32_t i = 0; i < regels; ++i) {
        const Rekening& rek = rekeningen[13 + t.Onder(11)];
        std::string omschrijving = std::string(t.Kies(regelteksten)) + ' ';
        omschrijving += std::to_string(1 + t.Onder(250)) + " x " + std::string(t.Kies(artikelen));
        omschrijving += " order " + std::to_string(10000000 + t.Onder(90000000));
        Regel(r, static_cast<int>(i + 2), rek.id, document, dag, omschrijving, bedragen[i],
              !verkoop, -1, t.Onder(4) == 0 ? 9 : 21, 1 + t.Onder(9999));
    }
    r << "</transaction>\n";
}

constexpr std::string_view slot = "</transactions>\n</company>\n</auditfile>\n";

}  // namespace

std::uint64_t SchrijfAuditfile(std::FILE* uit, std::uint64_t grootte, std::uint64_t zaad) {
    Trekking t(zaad);
    Regels r;
    const int relaties = static_cast<int>(std::min(meesteRelaties, grootte / 2048 + 1));
    Kop(r, t, relaties);
    std::uint64_t geschreven = 0;
    const auto spoel = [&] {
        if (std::fwrite(r.tekst.data(), 1, r.tekst.size(), uit) != r.tekst.size()) {
            return false;
        }
        geschreven += r.tekst.size();
        r.tekst.clear();
        return true;
    };
    // A journal per stretch of transactions, as exports group them by journal.
    constexpr std::uint64_t perDagboek = 2000;
    // Spread the transactions over the year (about 1,100 bytes each), wrapping for huge files.
    const std::uint64_t perDag = grootte / (365 * 1100) + 1;
    std::uint64_t nr = 0;
    for (bool klaar = false; !klaar;) {
        const Dagboek& boek = dagboeken[(nr / perDagboek) % dagboeken.size()];
        r << "<journal>\n";
        r.Veld("jrnID", boek.id).Veld("desc", boek.omschrijving);
        r.Veld("jrnTp", std::string_view(&boek.soort, 1));
        for (std::uint64_t i = 0; i < perDagboek; ++i, ++nr) {
            Regels proef;
            Transactie(proef, t, boek, nr + 1, static_cast<int>((nr / perDag) % 365), relaties);
            const std::uint64_t nodig = geschreven + r.tekst.size() + proef.tekst.size() +
                                        std::string_view("</journal>\n").size() + slot.size();
            if (nodig > grootte) {
                klaar = true;
                break;
            }
            r.tekst += proef.tekst;
            if (r.tekst.size() > (1u << 20) && !spoel()) {
                return 0;
            }
        }
        r << "</journal>\n";
    }
    r << slot;
    return spoel() ? geschreven : 0;
}

}  // namespace zegelaar::gereedschap
