#pragma once

#include <memory>

namespace platform {

// The one source of random draws: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a fresh sequence; every operation that draws calls this first.
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// The source in use: clock-seeded unless a test has put its own in place.
RandomSource &random();
// Installs `source`; nullptr brings back the clock-seeded source.
void setRandomSource(std::unique_ptr<RandomSource> source);

// The cell of a draw r: the whole part of r * 100 + 1, kept within 1..100 even where a
// single-precision r has rounded up to 1.
int cellFromDraw(float r);
// Draws the next cell, 1 to 100, from the source in use.
int drawCell();

} // namespace platform
