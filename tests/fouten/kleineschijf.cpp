// Mounting and removing the small tmpfs.
#include "kleineschijf.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zegelaar::test {

std::size_t HeleBladzijden(std::size_t grootte) {
    const auto blad = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (grootte + blad - 1) / blad * blad;
}

KleineSchijf::KleineSchijf(std::size_t grootte) {
    std::string sjabloon =
        (std::filesystem::temp_directory_path() / "zegelaar-schijf-XXXXXX").string();
    if (mkdtemp(sjabloon.data()) == nullptr) {
        reden_ = std::strerror(errno);
        return;
    }
    map_ = sjabloon;
    const std::string opties = "size=" + std::to_string(HeleBladzijden(grootte)) + ",mode=0700";
    if (mount("zegelaar-test", map_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, opties.c_str()) != 0) {
        reden_ = std::string("mount: ") + std::strerror(errno);
        return;
    }
    pad_ = map_;
}

KleineSchijf::~KleineSchijf() {
    if (!pad_.empty()) {
        umount2(pad_.c_str(), MNT_DETACH);
    }
    if (!map_.empty()) {
        rmdir(map_.c_str());
    }
}

}  // namespace zegelaar::test
