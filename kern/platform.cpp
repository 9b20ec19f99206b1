// File-system differences between Linux and Windows, kept out of the engines.
#include "platform.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <string_view>

#include "bestandsnaam.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zegelaar {

namespace {

#ifdef _WIN32
using StatRecord = struct _stat64;
int Stat(const std::string& pad, StatRecord& s) {
    return _stat64(pad.c_str(), &s);
}
int FStat(std::FILE* f, StatRecord& s) {
    return _fstat64(_fileno(f), &s);
}
bool IsMap(const StatRecord& s) {
    return (s.st_mode & _S_IFDIR) != 0;
}
#else
using StatRecord = struct stat;
int Stat(const std::string& pad, StatRecord& s) {
    return ::stat(pad.c_str(), &s);
}
int FStat(std::FILE* f, StatRecord& s) {
    return ::fstat(fileno(f), &s);
}
#endif

void NeemOver(const StatRecord& s, Bestandsstatus& status) {
    status.grootte = static_cast<std::uint64_t>(s.st_size);
    status.wijzigTijd = static_cast<std::int64_t>(s.st_ctime);
    status.toegangsTijd = static_cast<std::int64_t>(s.st_atime);
}

}  // namespace

#ifdef _WIN32

Bestand OpenBestand(const std::string& pad, const char* modus) {
    return Bestand(std::fopen(pad.c_str(), modus));
}

#else

namespace {

// Opens without waiting: a pipe with nobody at its other end would otherwise block the
// open, and a full pipe every write, for good.
int OpenZonderWachten(const std::string& pad, int vlaggen) {
    return ::open(pad.c_str(), vlaggen | O_NONBLOCK | O_CLOEXEC, 0666);
}

}  // namespace

Bestand OpenBestand(const std::string& pad, const char* modus) {
    if (modus[0] != 'w') {
        return Bestand(std::fopen(pad.c_str(), modus));
    }
    // Regular files ignore the flag; a pipe that fills up makes a write come up short, which
    // the engines report, instead of stopping them.
    const bool lezenOok = std::string_view(modus).find('+') != std::string_view::npos;
    const int fd = OpenZonderWachten(pad, (lezenOok ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC);
    if (fd < 0) {
        return nullptr;
    }
    Bestand bestand(fdopen(fd, modus));
    if (!bestand) {
        ::close(fd);
    }
    return bestand;
}

#endif

bool LeesStatus(const std::string& pad, Bestandsstatus& status) {
    StatRecord s{};
    if (Stat(pad, s) != 0) {
        return false;
    }
    NeemOver(s, status);
    return true;
}

bool LeesStatus(std::FILE* bestand, Bestandsstatus& status) {
    StatRecord s{};
    if (FStat(bestand, s) != 0) {
        return false;
    }
    NeemOver(s, status);
    return true;
}

#ifdef _WIN32

Bestand OpenOmTeLezen(const std::string& pad) {
    Bestand bestand = OpenBestand(pad, "rb");
    StatRecord s{};
    if (bestand && (FStat(bestand.get(), s) != 0 || IsMap(s))) {
        bestand.reset();
    }
    return bestand;
}

#else

// Only regular files: a folder, a pipe that would wait for a writer, or a device that gives
// bytes without end (/dev/zero) is nothing to pack or unpack.
Bestand OpenOmTeLezen(const std::string& pad) {
    const int fd = OpenZonderWachten(pad, O_RDONLY);
    if (fd < 0) {
        return nullptr;
    }
    StatRecord s{};
    const int vlaggen = ::fcntl(fd, F_GETFL);
    std::FILE* f = nullptr;
    if (::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && vlaggen != -1 &&
        ::fcntl(fd, F_SETFL, vlaggen & ~O_NONBLOCK) == 0) {
        f = fdopen(fd, "rb");
    }
    if (!f) {
        ::close(fd);
    }
    return Bestand(f);
}

#endif

bool BestandBestaat(const std::string& pad) {
    return OpenOmTeLezen(pad) != nullptr;
}

bool PadBestaat(const std::string& pad) {
    StatRecord s{};
    return Stat(pad, s) == 0;
}

bool VerwijderBestand(const std::string& pad) {
    return std::remove(pad.c_str()) == 0;
}

bool ZoekPositie(std::FILE* bestand, std::uint64_t positie) {
#ifdef _WIN32
    return _fseeki64(bestand, static_cast<__int64>(positie), SEEK_SET) == 0;
#else
    return fseeko(bestand, static_cast<off_t>(positie), SEEK_SET) == 0;
#endif
}

#ifdef _WIN32

namespace {

bool Identiteit(const std::string& pad, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE h = CreateFileA(pad.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    const BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    return ok != 0;
}

}  // namespace

bool ZelfdeBestand(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    if (!Identiteit(a, ia) || !Identiteit(b, ib)) {
        return false;
    }
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

bool IsDubbelbyteVoorloper(char c) {
    return IsDBCSLeadByte(static_cast<BYTE>(c)) != 0;
}

std::string PadVoorOpenen(const std::string& pad) {
    return KleineLetters(pad);
}

#else

bool ZelfdeBestand(const std::string& a, const std::string& b) {
    StatRecord sa{};
    StatRecord sb{};
    if (Stat(a, sa) != 0 || Stat(b, sb) != 0) {
        return false;
    }
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool IsDubbelbyteVoorloper(char) {
    return false;
}

std::string PadVoorOpenen(const std::string& pad) {
    return pad;
}

#endif

}  // namespace zegelaar
