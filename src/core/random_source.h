#pragma once
// The program's one source of chance. It starts from the same state in every run and is never
// reseeded, so the first shuffle after start gives the same order every time.
#include <cstdint>
#include <random>

namespace memvalo {

class RandomSource {
  public:
    static constexpr std::uint32_t kFixedSeed = 327680;

    // Uniform in [0, 1).
    double next() { return std::generate_canonical<double, 32>(engine_); }
    // Uniform whole number in [low, high].
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }

  private:
    std::mt19937 engine_{kFixedSeed};
};

}  // namespace memvalo
