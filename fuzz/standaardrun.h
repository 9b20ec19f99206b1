// Lets a fuzz target run with no arguments: it then fuzzes for a bounded time over its seed
// corpus, keeping what it learns and anything it finds in the build folder, not the source.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zegelaar::fuzz {

// Called from LLVMFuzzerInitialize, before libFuzzer reads its arguments. With arguments given
// nothing changes, so libFuzzer's own options (-runs, -max_total_time, corpus folders) work.
inline void ZetStandaardrun(int* argc, char*** argv, const char* doelnaam) {
    if (*argc != 1) {
        return;
    }
    namespace fs = std::filesystem;
    const fs::path werk = fs::path(ZEGELAAR_FUZZ_WERK) / doelnaam;
    std::error_code fout;
    fs::create_directories(werk / "corpus", fout);
    fs::create_directories(werk / "vondsten", fout);
    static std::vector<std::string> woorden{
        (*argv)[0],
        (werk / "corpus").string(),
        (fs::path(ZEGELAAR_FUZZ_CORPUS) / doelnaam).string(),
        "-max_total_time=60",
        "-print_final_stats=1",
        "-artifact_prefix=" + (werk / "vondsten").string() + "/",
    };
    static std::vector<char*> wijzers;
    for (std::string& woord : woorden) {
        wijzers.push_back(woord.data());
    }
    wijzers.push_back(nullptr);
    *argc = static_cast<int>(woorden.size());
    *argv = wijzers.data();
}

}  // namespace zegelaar::fuzz
