// What the window tests share: an application object whose message boxes and file dialogs are
// answered from a script and recorded, a timer that acts as the user while a handler runs,
// a scratch folder, and small queries on windows.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/app.h"

// One message box as the program asked for it.
struct Berichtvak {
    HWND eigenaar;
    std::string tekst;
    std::string titel;
    UINT soort;
};

// One file dialog as the program asked for it.
struct Bestandsvraag {
    bool openen;
    std::string filter;  // with '|' for each NUL, as the program wrote it
    std::string beginnaam;
    std::string standaardExtensie;
    DWORD vlaggen;
    HWND eigenaar;
};

class ToetsToepassing : public CWinApp {
  public:
    ToetsToepassing();

    // Answers for the coming message boxes (IDOK when none is queued) and file dialogs
    // (a path, or nothing for Cancel; Cancel when none is queued).
    std::deque<int> antwoorden;
    std::deque<std::optional<std::string>> gekozenBestanden;

    std::vector<Berichtvak> berichten;
    std::vector<Bestandsvraag> bestandsvragen;

    // The texts of the message boxes shown so far, then forgets them.
    std::vector<std::string> NeemBerichten();
};

// Acts as the user from inside the thread's message handling: every few milliseconds, whatever
// modal loop or pump is running, it calls `handeling`.
class Bediener {
  public:
    explicit Bediener(std::function<void()> handeling);
    ~Bediener();
    Bediener(const Bediener&) = delete;
    Bediener& operator=(const Bediener&) = delete;

  private:
    static LRESULT CALLBACK Procedure(HWND venster, UINT bericht, WPARAM w, LPARAM l);
    std::function<void()> handeling_;
    HWND venster_ = nullptr;
};

// What the user saw in a progress window at the moment "Sluiten" became usable.
struct VoortgangGezien {
    std::string titel;
    std::string status;
    std::string procent;
    int positie;
    bool hoofdvensterUitgeschakeld;
};

// A Bediener that presses "Sluiten" of every progress window as soon as it is enabled, noting
// what the window showed then.
class SluitenDrukker {
  public:
    explicit SluitenDrukker(HWND hoofdvenster);
    std::vector<VoortgangGezien> gezien;
    int keerUitgeschakeldTijdensWerk = 0;  // ticks with "Sluiten" still disabled

  private:
    void Kijk();
    HWND hoofdvenster_;
    HWND gedrukt_ = nullptr;  // pressed already; one press per window, as a user would
    Bediener bediener_;
};

// A fresh folder under the temporary folder, removed with its files at the end.
class Werkmap {
  public:
    Werkmap();
    ~Werkmap();
    Werkmap(const Werkmap&) = delete;
    Werkmap& operator=(const Werkmap&) = delete;

    std::string Pad(const std::string& naam) const { return map_ + "\\" + naam; }
    // Writes `grootte` bytes of a fixed, text-like pattern; returns the path.
    std::string Maak(const std::string& naam, std::size_t grootte) const;
    const std::string& Map() const { return map_; }

  private:
    std::string map_;
};

std::string LeesBestand(const std::string& pad);
bool Bestaat(const std::string& pad);

// The visible top-level dialog of this thread that has a control `id` of window class `klasse`
// (any class when empty), or null.
HWND ZoekDialoogMet(int id, const char* klasse);
// The visible top-level window of this thread with this caption, or null.
HWND ZoekVenster(const std::string& titel);

std::string Tekst(HWND venster);
std::string Tekst(HWND dialoog, int id);
bool Ingeschakeld(HWND dialoog, int id);
bool Zichtbaar(HWND dialoog, int id);
void Klik(HWND dialoog, int id);
// Lets queued messages through, for a handful of rounds.
void Verwerk();
