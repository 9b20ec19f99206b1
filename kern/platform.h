// The one place where the platforms differ for files: 64-bit sizes and seeks, file status,
// deleting, recognising one file under two names, and the ANSI code page's lead bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace zegelaar {

// Closes a C stream when its holder goes out of scope.
struct SluitBestand {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Bestand = std::unique_ptr<std::FILE, SluitBestand>;

// Opens a file with a C stream mode ("rb", "wb", "w+b"). Writing never waits on a pipe: one
// without a reader can't be opened, and a full one cuts a write short.
Bestand OpenBestand(const std::string& pad, const char* modus);

// Opens a file for binary reading; a directory, which Linux would open, gives null, and so do
// a pipe and a device, which could make the reader wait or read without end.
Bestand OpenOmTeLezen(const std::string& pad);

// Size and times of a file, as its status reports them (the change time is what Windows
// fills with the creation time).
struct Bestandsstatus {
    std::uint64_t grootte = 0;
    std::int64_t wijzigTijd = 0;
    std::int64_t toegangsTijd = 0;
};

// Status by path; false when it can't be queried.
bool LeesStatus(const std::string& pad, Bestandsstatus& status);

// Status of an open stream; false when it can't be queried.
bool LeesStatus(std::FILE* bestand, Bestandsstatus& status);

// True only for something that opens for binary reading and is a plain file.
bool BestandBestaat(const std::string& pad);

// True when something of that name exists, whether or not it can be read.
bool PadBestaat(const std::string& pad);

// Deletes a file; true on success.
bool VerwijderBestand(const std::string& pad);

// True when both paths exist and name the same file, whatever their spelling (links, ./, case).
bool ZelfdeBestand(const std::string& a, const std::string& b);

// Seeks to an absolute 64-bit offset; true on success.
bool ZoekPositie(std::FILE* bestand, std::uint64_t positie);

// True for a byte that starts a double-byte character in the ANSI code page (never on Linux).
bool IsDubbelbyteVoorloper(char c);

// The path as the pack action hands it to the engine: lower-cased where the file system
// ignores case (as Windows does), unchanged where it does not.
std::string PadVoorOpenen(const std::string& pad);

}  // namespace zegelaar
