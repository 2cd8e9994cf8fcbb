// The listening options the readers follow beyond the disc's own recitation:
// a pause after each aya, a range of ayas repeated as a block, the count the
// third repeat button stands for. The program's own layer sets them from the
// preferences; the readers only read them (and set the range from the
// keyboard). Every option is off by default: the readers then recite exactly
// as the disc's program did.
#pragma once

namespace platform {

struct AyaRef {
    int sura = 0;
    int aya = 0;
    bool valid() const { return sura > 0 && aya > 0; }
    int key() const { return sura * 1000 + aya; }
    bool operator==(const AyaRef&) const = default;
};

struct ListeningOptions {
    /// The pause after each recited aya, in whole seconds (0..20).
    int pauseSeconds = 0;
    /// The pause as a multiple of the aya's own length (0: the seconds
    /// count; 1 or 2: this wins).
    int pauseAyaLengths = 0;
    /// The count the third repeat button stands for: 3..99, or 0 for
    /// without end.
    int thirdRepeat = 3;

    /// The range repeated as a block, first and last aya; off while either
    /// end is unset.
    AyaRef rangeFrom, rangeTo;
    /// How many times the block is recited: 1..99, or 0 for without end.
    int rangeCount = 2;
    /// After the last round: stop (true) or read on after the range.
    bool rangeThenStop = true;

    bool rangeOn() const { return rangeFrom.valid() && rangeTo.valid(); }
    /// Sets the range from two ends in either order.
    void setRange(AyaRef a, AyaRef b);
    void clearRange() { rangeFrom = rangeTo = {}; }
    /// The pause after an aya of `ayaMs` ms.
    int pauseMs(int ayaMs) const;
};

/// The options now in force.
ListeningOptions& listening();

}  // namespace platform
