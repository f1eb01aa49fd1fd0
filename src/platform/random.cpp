#include "platform/random.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace platform {

namespace {

std::uint64_t splitmix64(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class ClockRandom final : public RandomSource {
public:
    void reseed() override
    {
        // The counter keeps two reseeds within one clock tick apart.
        static std::atomic<std::uint64_t> reseeds{0};
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        const auto mixed = splitmix64(std::uint64_t(now) ^ splitmix64(++reseeds));
        std::seed_seq seeds{std::uint32_t(mixed), std::uint32_t(mixed >> 32)};
        engine_.seed(seeds);
    }
    float next() override
    {
        // 24 random bits give every float of [0, 1) with spacing 2^-24, and never 1.
        return float(engine_() >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 engine_{std::mt19937::default_seed};
};

std::unique_ptr<RandomSource> &installed()
{
    static std::unique_ptr<RandomSource> source = std::make_unique<ClockRandom>();
    return source;
}

} // namespace

RandomSource &random()
{
    return *installed();
}

void setRandomSource(std::unique_ptr<RandomSource> source)
{
    installed() = source ? std::move(source) : std::make_unique<ClockRandom>();
}

int cellFromDraw(float r)
{
    return std::clamp(int(r * 100.0f + 1.0f), 1, 100);
}

int drawCell()
{
    return cellFromDraw(random().next());
}

} // namespace platform
