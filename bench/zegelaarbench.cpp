// Packs and unpacks one generated audit file with Zegelaar's engines and with a plain zlib
// loop, in turns, several rounds, each run in a fresh process, and prints speed, the ratio of
// each run to its reference in the same round, packed size and peak memory.
//
//   zegelaarbench [-g GROOTTE] [-r RONDES] [-j DRADEN] [-m MAP] [-8]
//
// GROOTTE in bytes or with k, M or G (default 200M); -8 leaves out the level 9 rows.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "auditfilegenerator.h"
#include "metingen.h"

extern char** environ;

namespace zegelaar::bank {

namespace {

struct Rij {
    std::string naam;
    std::string soort;  // a Meet operation, or "pigz"
    int niveau;
    unsigned draden;
    int referentie;  // row whose time this row's is divided by; -1 for none
};

struct Uitslag {
    std::vector<double> seconden;
    std::vector<double> cpu;  // user and system time of the process
    long piekKiB = 0;
    std::uint64_t uitvoer = 0;
};

struct Proces {
    bool gelukt = false;
    std::string uitvoer;
    long piekKiB = 0;
    double seconden = 0;
    double cpu = 0;
};

// Runs a program with its standard output to `naarBestand` (or, when empty, captured), waits
// for it, and returns its peak resident memory.
Proces Draai(const std::vector<std::string>& argumenten, const std::string& naarBestand) {
    Proces proces;
    int pijp[2] = {-1, -1};
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    if (naarBestand.empty()) {
        if (pipe(pijp) != 0) {
            return proces;
        }
        posix_spawn_file_actions_adddup2(&acties, pijp[1], 1);
        posix_spawn_file_actions_addclose(&acties, pijp[0]);
    } else {
        posix_spawn_file_actions_addopen(&acties, 1, naarBestand.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    std::vector<char*> argv;
    for (const std::string& a : argumenten) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    const int fout = posix_spawnp(&pid, argv[0], &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    if (pijp[1] >= 0) {
        close(pijp[1]);
    }
    if (fout == 0 && pijp[0] >= 0) {
        char buf[256];
        for (ssize_t n; (n = read(pijp[0], buf, sizeof buf)) > 0;) {
            proces.uitvoer.append(buf, static_cast<std::size_t>(n));
        }
    }
    if (pijp[0] >= 0) {
        close(pijp[0]);
    }
    if (fout != 0) {
        return proces;
    }
    int status = 0;
    rusage gebruik{};
    wait4(pid, &status, 0, &gebruik);
    proces.seconden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    proces.gelukt = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    proces.piekKiB = gebruik.ru_maxrss;
    proces.cpu = static_cast<double>(gebruik.ru_utime.tv_sec + gebruik.ru_stime.tv_sec) +
                 static_cast<double>(gebruik.ru_utime.tv_usec + gebruik.ru_stime.tv_usec) / 1e6;
    return proces;
}

// One run of a row in a fresh process; false when it failed.
bool MeetRij(const std::string& zelf, const std::string& map, const Rij& rij, Uitslag& uitslag) {
    double seconden = 0;
    std::uint64_t uitvoer = 0;
    Proces proces;
    if (rij.soort == "pigz") {
        const std::string doel = map + "/pigz-" + std::to_string(rij.niveau) + ".zz";
        proces = Draai({"pigz", "-" + std::to_string(rij.niveau), "-p", std::to_string(rij.draden),
                        "-z", "-c", map + "/bron.xaf"},
                       doel);
        seconden = proces.seconden;
        std::error_code fout;
        uitvoer = std::filesystem::file_size(doel, fout);
    } else {
        proces = Draai({zelf, "--meet", rij.soort, map, std::to_string(rij.niveau),
                        std::to_string(rij.draden)},
                       "");
        int gelukt = 0;
        unsigned long long n = 0;
        long piek = 0;
        if (std::sscanf(proces.uitvoer.c_str(), "%d %lf %llu %ld", &gelukt, &seconden, &n, &piek) !=
                4 ||
            !gelukt) {
            return false;
        }
        uitvoer = n;
        // The child's own high-water mark: ru_maxrss would also count this process's pages,
        // which the child had before its exec.
        proces.piekKiB = piek;
    }
    if (!proces.gelukt) {
        return false;
    }
    uitslag.seconden.push_back(seconden);
    uitslag.cpu.push_back(proces.cpu);
    uitslag.piekKiB = std::max(uitslag.piekKiB, proces.piekKiB);
    uitslag.uitvoer = uitvoer;
    return true;
}

double Mediaan(std::vector<double> v) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

std::uint64_t LeesGrootte(const std::string& tekst) {
    char* eind = nullptr;
    const unsigned long long n = std::strtoull(tekst.c_str(), &eind, 10);
    const std::string rest(eind);
    const int schuif = rest == "k" ? 10 : rest == "M" ? 20 : rest == "G" ? 30 : 0;
    return rest.empty() || schuif ? n << schuif : 0;
}

std::vector<Rij> Rijen(unsigned draden, bool ookNiveau9, bool metPigz) {
    const std::string j = ", -j " + std::to_string(draden);
    std::vector<Rij> rijen{
        {"zlib-lus inpakken, niveau 8", "zlib-inpakken", 8, 1, -1},
        {"Zegelaar inpakken, niveau 8", "kern-inpakken", 8, 1, 0},
        {"Zegelaar inpakken, niveau 8" + j, "kern-inpakken", 8, draden, 1},
    };
    if (metPigz) {
        rijen.push_back({"pigz -8 -p " + std::to_string(draden) + " -z", "pigz", 8, draden, 1});
    }
    if (ookNiveau9) {
        const int basis = static_cast<int>(rijen.size());
        rijen.push_back({"zlib-lus inpakken, niveau 9", "zlib-inpakken", 9, 1, -1});
        rijen.push_back({"Zegelaar inpakken, niveau 9 (verzending)", "kern-inpakken", 9, 1, basis});
        rijen.push_back({"Zegelaar inpakken, niveau 9" + j, "kern-inpakken", 9, draden, basis + 1});
    }
    const int uit = static_cast<int>(rijen.size());
    rijen.push_back({"zlib-lus uitpakken", "zlib-uitpakken", 8, 1, -1});
    rijen.push_back({"Zegelaar uitpakken", "kern-uitpakken", 8, 1, uit});
    rijen.push_back({"Zegelaar uitpakken van -j-stroom", "kern-uitpakken", 8, draden, uit});
    rijen.push_back({"leeg proces (ondergrens geheugen)", "leeg", 8, 1, -1});
    return rijen;
}

// The median over the rounds of this row's time divided by its reference's in that round:
// the rounds take turns, so a slower spell of the machine touches both alike.
double VerhoudingPerRonde(const std::vector<double>& rij, const std::vector<double>& referentie) {
    std::vector<double> verhoudingen;
    for (std::size_t i = 0; i < rij.size() && i < referentie.size(); ++i) {
        verhoudingen.push_back(rij[i] / referentie[i]);
    }
    return Mediaan(verhoudingen);
}

void DrukTabel(const std::vector<Rij>& rijen, const std::vector<Uitslag>& uitslagen,
               std::uint64_t bron) {
    std::printf(
        "| Meting | MB/s (snelste) | MB/s (mediaan) | tijd / ref. | CPU-tijd / ref. | referentie | "
        "uitvoer (bytes) | piek-RSS (KiB) |\n|---|---:|---:|---:|---:|---|---:|---:|\n");
    for (std::size_t i = 0; i < rijen.size(); ++i) {
        const Uitslag& u = uitslagen[i];
        if (u.seconden.empty()) {
            std::printf("| %s | mislukt | | | | | | |\n", rijen[i].naam.c_str());
            continue;
        }
        const double mb = static_cast<double>(bron) / 1e6;
        char tijd[32] = "";
        char cpu[32] = "";
        std::string referentie;
        if (rijen[i].referentie >= 0) {
            const Uitslag& ref = uitslagen[rijen[i].referentie];
            std::snprintf(tijd, sizeof tijd, "%.3fx", VerhoudingPerRonde(u.seconden, ref.seconden));
            std::snprintf(cpu, sizeof cpu, "%.3fx", VerhoudingPerRonde(u.cpu, ref.cpu));
            referentie = rijen[rijen[i].referentie].naam;
        }
        if (rijen[i].soort == "leeg") {
            std::printf("| %s | | | | | | | %ld |\n", rijen[i].naam.c_str(), u.piekKiB);
            continue;
        }
        // pigz's ru_maxrss also counts the pages this process had when it spawned pigz.
        const char* bovengrens = rijen[i].soort == "pigz" ? "≤ " : "";
        std::printf("| %s | %.1f | %.1f | %s | %s | %s | %llu | %s%ld |\n", rijen[i].naam.c_str(),
                    mb / *std::min_element(u.seconden.begin(), u.seconden.end()),
                    mb / Mediaan(u.seconden), tijd, cpu, referentie.c_str(),
                    static_cast<unsigned long long>(u.uitvoer), bovengrens, u.piekKiB);
    }
}

int Bank(int argc, char** argv) {
    std::uint64_t grootte = 200ull << 20;
    int rondes = 5;
    unsigned draden = std::max(2u, std::thread::hardware_concurrency());
    std::string map = (std::filesystem::temp_directory_path() / "zegelaarbench").string();
    bool ookNiveau9 = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool waarde = i + 1 < argc;
        if (a == "-g" && waarde) {
            grootte = LeesGrootte(argv[++i]);
        } else if (a == "-r" && waarde) {
            rondes = std::atoi(argv[++i]);
        } else if (a == "-j" && waarde) {
            draden = static_cast<unsigned>(std::atoi(argv[++i]));
        } else if (a == "-m" && waarde) {
            map = argv[++i];
        } else if (a == "-8") {
            ookNiveau9 = false;
        } else {
            std::fprintf(stderr, "gebruik: %s [-g GROOTTE] [-r RONDES] [-j DRADEN] [-m MAP] [-8]\n",
                         argv[0]);
            return 2;
        }
    }
    if (grootte == 0 || rondes < 1 || draden < 2) {
        std::fprintf(stderr, "ongeldige grootte, rondes of draden\n");
        return 2;
    }
    std::filesystem::create_directories(map);
    const std::string bronPad = map + "/bron.xaf";
    std::FILE* bron = std::fopen(bronPad.c_str(), "wb");
    const std::uint64_t bronGrootte = bron ? gereedschap::SchrijfAuditfile(bron, grootte, 1) : 0;
    if (!bron || std::fclose(bron) != 0 || bronGrootte == 0) {
        std::fprintf(stderr, "kan %s niet schrijven\n", bronPad.c_str());
        return 1;
    }

    double belastingVoor[1] = {0};
    getloadavg(belastingVoor, 1);
    const bool metPigz = Draai({"pigz", "--version"}, "/dev/null").gelukt;
    const std::vector<Rij> rijen = Rijen(draden, ookNiveau9, metPigz);
    std::vector<Uitslag> uitslagen(rijen.size());
    const std::string zelf = std::filesystem::read_symlink("/proc/self/exe").string();
    for (int ronde = 1; ronde <= rondes; ++ronde) {
        std::fprintf(stderr, "ronde %d van %d\n", ronde, rondes);
        for (std::size_t i = 0; i < rijen.size(); ++i) {
            if (!MeetRij(zelf, map, rijen[i], uitslagen[i])) {
                std::fprintf(stderr, "mislukt: %s\n", rijen[i].naam.c_str());
            }
        }
    }
    double belastingNa[1] = {0};
    getloadavg(belastingNa, 1);
    std::printf(
        "Bron: %llu bytes gegenereerd (zaad 1), %d rondes, %u draden%s; "
        "belasting (1 min) voor %.2f, na %.2f.\n\n",
        static_cast<unsigned long long>(bronGrootte), rondes, draden,
        metPigz ? "" : ", pigz niet gevonden", belastingVoor[0], belastingNa[0]);
    DrukTabel(rijen, uitslagen, bronGrootte);
    return 0;
}

}  // namespace

}  // namespace zegelaar::bank

int main(int argc, char** argv) {
    // A child run: one measurement, its outcome on standard output.
    if (argc == 6 && std::string(argv[1]) == "--meet") {
        const auto uitkomst = zegelaar::bank::Meet(argv[2], argv[3], std::atoi(argv[4]),
                                                   static_cast<unsigned>(std::atoi(argv[5])));
        std::printf("%d %.9f %llu %ld\n", uitkomst.gelukt ? 1 : 0, uitkomst.seconden,
                    static_cast<unsigned long long>(uitkomst.uitvoer),
                    zegelaar::bank::PiekgeheugenKiB());
        return uitkomst.gelukt ? 0 : 1;
    }
    return zegelaar::bank::Bank(argc, argv);
}
