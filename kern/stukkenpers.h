// The workers of a parallel pack. Each piece of the source is deflated on its own as raw
// deflate, primed with the 32 KiB of source before it, and ended on a byte boundary, so that
// the pieces joined in order form one deflate stream; the output depends on the pieces only,
// never on the number of workers or the order in which they finish.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zegelaar {

// The most source bytes before a piece that deflate can refer back to.
inline constexpr std::size_t woordenboekGrootte = 32768;

// One piece in a slot: filled and handed over by the calling thread, deflated by a worker,
// then read back by the calling thread. A slot is reused once its piece has been read back.
struct Stuk {
    std::unique_ptr<unsigned char[]> invoer;  // dictionary room, then one block
    std::size_t woordenboek = 0;              // dictionary bytes just before Data()
    std::size_t lengte = 0;                   // source bytes of the piece
    bool laatste = false;                     // ends the stream (Z_FINISH)

    std::unique_ptr<unsigned char[]> uitvoer;
    std::size_t uitvoerRuimte = 0;
    std::size_t uitvoerLengte = 0;  // deflate bytes of the piece
    std::uint32_t adler = 1;        // Adler-32 of the piece's source bytes
    bool gelukt = false;

    unsigned char* Data() { return invoer.get() + woordenboekGrootte; }
};

class Stukkenpers {
  public:
    enum class Begin { gelukt, geenGeheugen, initFout };

    Stukkenpers();
    ~Stukkenpers();
    Stukkenpers(const Stukkenpers&) = delete;
    Stukkenpers& operator=(const Stukkenpers&) = delete;

    // Allocates a fixed number of slots per worker and sets up and starts the workers.
    // Fewer workers than asked are used when the system cannot start more threads.
    Begin Start(int niveau, unsigned draden);

    // Pieces that can be in hand at once.
    std::uint64_t Capaciteit() const { return stukken_.size(); }

    // The slot of piece n; only for a piece not handed over, or one returned by WachtOp.
    Stuk& Plek(std::uint64_t n) { return stukken_[n % stukken_.size()]; }

    // Hands piece n, the next in order, to the workers.
    void Geef(std::uint64_t n);

    // Waits until piece n has been deflated and returns it.
    Stuk& WachtOp(std::uint64_t n);

    // Stops the workers and frees the slots; a piece being deflated is finished first.
    void Stop();

  private:
    struct Werker;
    void Werk(Werker& werker);

    std::vector<Stuk> stukken_;
    std::vector<std::unique_ptr<Werker>> werkers_;
    std::vector<std::thread> draden_;

    std::mutex slot_;
    std::condition_variable werkKlaar_;  // workers wait for pieces or the stop
    std::condition_variable stukKlaar_;  // the calling thread waits for a finished piece
    std::uint64_t gegeven_ = 0;          // pieces handed over
    std::uint64_t genomen_ = 0;          // pieces taken by workers
    std::vector<bool> klaar_;            // per slot: its piece has been deflated
    bool stoppen_ = false;
};

}  // namespace zegelaar
