// The help text of the console program.
#include "opdrachten.h"

namespace zegelaar::console {

void Hulp(std::FILE* uit) {
    std::fputs(
        "Gebruik:\n"
        "  zegelaar inpakken BRON [DOEL] [--verzending] [--ja | --nee]\n"
        "  zegelaar uitpakken BRON [DOEL] [--ja | --nee]\n"
        "  zegelaar info BESTAND\n"
        "  zegelaar controleer BESTAND\n"
        "  zegelaar --help | --version\n"
        "\n"
        "Opdrachten:\n"
        "  inpakken    pakt een auditfile (.adf, .xaf, .xas, .xaa, .xaw) in. Zonder DOEL wordt\n"
        "              de naam voorgesteld zoals het venster dat doet (boek.xaf wordt\n"
        "              boek.pbl.xfc). Een ingepakt bestand groter dan 1,4 MB kan daarna in\n"
        "              stukken van 1,4 MB worden geknipt (.xf0, .xf1, ...).\n"
        "  uitpakken   pakt een ingepakt bestand (.adc, .xfc, .xsc, .xac, .xwc) of een hele\n"
        "              reeks stukken (kies het eerste stuk: .ad0, .xf0, ...) weer uit.\n"
        "  info        toont de kop van een ingepakt bestand of eerste stuk; schrijft niets.\n"
        "  controleer  pakt het hele bestand of de hele reeks stukken in het geheugen uit en\n"
        "              vergelijkt controlegetal en aantallen bytes met de kop; schrijft niets.\n"
        "              Ook bestanden die voor verzending zijn ingepakt worden gecontroleerd.\n"
        "\n"
        "Opties:\n"
        "  --verzending  inpakken voor verzending naar de Tolvaart (zonder .pbl in de naam);\n"
        "                zo'n bestand pakt Zegelaar zelf niet meer uit\n"
        "  --ja          beantwoord elke vraag met ja (bestaand doel vervangen, knippen)\n"
        "  --nee         beantwoord elke vraag met nee\n"
        "                Zonder --ja of --nee wordt op de terminal gevraagd; is de\n"
        "                standaardinvoer geen terminal, dan is het antwoord nee.\n"
        "  --help        deze tekst\n"
        "  --version     het versienummer\n"
        "\n"
        "Afsluitcodes:\n"
        "  0    gelukt (controleer: het bestand is in orde)\n"
        "  1    gestopt bij een controle vooraf: geen geldige naam, bestand bestaat niet,\n"
        "       extensie niet toegestaan, doel is de bron (controleer/info: niet in orde)\n"
        "  2    verkeerd gebruik\n"
        "  16   een diskettestuk kan niet gemaakt worden\n"
        "  17   bronbestand of diskettestuk kan niet geopend of gelezen worden\n"
        "  18   bestaand doel niet vervangen\n"
        "  19   doelbestand kan niet geopend of gemaakt worden\n"
        "  101  onvoldoende geheugen voor de buffers\n"
        "  102  onvoldoende geheugen voor de kopieerbuffer\n"
        "  201  zlib kan niet beginnen\n"
        "  202  fout bij schrijven (ingepakt bestand of stuk)\n"
        "  203  fout bij schrijven (kop, of een vol blok bij uitpakken)\n"
        "  204  fout bij schrijven (laatste blok bij uitpakken)\n"
        "  205  fout bij (de)compressie: beschadigd, afgekapt of onvolledige reeks\n"
        "  99   de kop wordt geweigerd (ingepakt voor verzending, andere soort of beschadigd)\n",
        uit);
}

}  // namespace zegelaar::console
