// Where every random draw of the program comes from. Generators take a
// RandomSource&, so tests can script any problem; the program uses
// SystemRandom.
#pragma once

#include <cstdint>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called by every generator before it draws: freshens the source from the clock.
    virtual void reseed() = 0;
    // A uniformly drawn integer 0 … n−1 (0 when n ≤ 1).
    virtual int below(int n) = 0;

    // A uniformly drawn integer lo … hi (both included).
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
};

// The program's source: a Mersenne Twister seeded once from the system's
// entropy and stirred with the nanosecond clock on every reseed(), so two
// problems drawn within the same second still differ.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    void reseed() override;
    int below(int n) override;

private:
    std::mt19937_64 engine_;
};
