// The only way the engines reach the user: message boxes, one yes/no question, an error box,
// the wait cursor and a progress window. The window program, the console program and the
// tests each realise it; an engine receives it as an argument.
#pragma once

#include <cstdint>
#include <string>

namespace zegelaar {

// The progress window of one engine step. All calls come from the engine's own thread.
class Voortgangsvenster {
  public:
    virtual ~Voortgangsvenster() = default;

    // Shows the window with "Sluiten" disabled and disables the main window; returns at once.
    virtual bool Open() = 0;
    virtual void ZetBereik(std::int32_t onder, std::int32_t boven) = 0;
    // The window's caption.
    virtual void SetWindowText(const std::string& tekst) = 0;
    virtual void ZetStatus(const std::string& tekst) = 0;
    // Lets pending window messages through, then shows the position; never waits. Values
    // above the range are allowed.
    virtual std::int32_t ZetPositie(std::int32_t positie) = 0;
    virtual void ActiveerSluiten() = 0;
    // Lets pending messages through; true once per press of "Sluiten" since the last call.
    virtual bool IsSluitenGekozen() = 0;
    // Destroys the window and enables the main window again; the object may be opened again.
    virtual void Sluit() = 0;
};

// The user dialogue of the engines and the pages.
class Gebruikersdialoog {
  public:
    virtual ~Gebruikersdialoog() = default;

    // A message with OK; returns when the user has read it.
    virtual void ToonMelding(const std::string& tekst) = 0;
    // A yes/no question; true only for yes.
    virtual bool VraagJaNee(const std::string& tekst) = 0;
    // An error box with its own caption.
    virtual void ToonFout(const std::string& tekst, const std::string& titel) = 0;
    // Busy pointer between the two; pairs nest.
    virtual void BeginWachtcursor() = 0;
    virtual void EindigWachtcursor() = 0;
    // The progress window that the engines open and close.
    virtual Voortgangsvenster& Voortgang() = 0;
};

// Holds the busy pointer for one scope.
class Wachtcursor {
  public:
    explicit Wachtcursor(Gebruikersdialoog& dialoog) : dialoog_(dialoog) {
        dialoog_.BeginWachtcursor();
    }
    ~Wachtcursor() { dialoog_.EindigWachtcursor(); }
    Wachtcursor(const Wachtcursor&) = delete;
    Wachtcursor& operator=(const Wachtcursor&) = delete;

  private:
    Gebruikersdialoog& dialoog_;
};

// Keeps the progress window open for one engine step: opens it with range 0 to 100, a caption
// and the status "Bezig...", and lets it go on every way out. The normal end runs
// WachtOpSluiten.
class OpenVoortgang {
  public:
    OpenVoortgang(Voortgangsvenster& venster, const std::string& titel);
    ~OpenVoortgang();
    OpenVoortgang(const OpenVoortgang&) = delete;
    OpenVoortgang& operator=(const OpenVoortgang&) = delete;

    // Shows a position; nothing happens when the window could not be opened.
    void ZetPositie(std::int32_t positie) {
        if (open_) {
            venster_.ZetPositie(positie);
        }
    }

    // The "Klaar" status, "Sluiten" enabled, waits for it, then closes. Without a window
    // there is nothing to wait for.
    void WachtOpSluiten();

  private:
    Voortgangsvenster& venster_;
    bool open_ = false;
};

// Status shown while an engine works, and when it is done.
inline constexpr const char* statusBezig = "Bezig...";
inline constexpr const char* statusKlaar = "Klaar. Klik op 'Sluiten' om verder te gaan";

}  // namespace zegelaar
