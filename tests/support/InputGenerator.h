#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "support/CommandOracle.h"

namespace pr::test {

// Seeded, reproducible box texts of every kind a person (or a cat on the
// keyboard) can type: ordinary numbers, the ends of the double range,
// subnormals, full scales past 2^47, junk, separators and blanks, and point
// pairs that coincide, share an x or a y, or lie on one line with the third.
// mt19937_64 is fully specified by the standard, and every draw goes through
// the helpers below rather than a library distribution, so a seed gives the
// same inputs with any standard library.
class InputGenerator {
 public:
  explicit InputGenerator(std::uint64_t seed) : random_(seed) {}

  // All seven boxes, anything goes.
  BoxTexts Boxes();
  // A number as a person types it, from any of the families.
  std::string NumberText();
  // A full scale, weighted towards the small ones whose sweep runs step by step.
  std::string FullScaleText();

  // An integer in [low, high].
  int Between(int low, int high);
  // True with probability 1 / n.
  bool OneIn(int n) { return Between(1, n) == 1; }

 private:
  double Unit();  // in [0, 1)
  std::string OrdinaryText();
  std::string ExtremeText();
  std::string JunkText();
  std::string Decorated(std::string text);
  void Relate(BoxTexts& boxes);

  std::mt19937_64 random_;
};

// The environment variable that, when set, replaces the fixed seed.
inline constexpr const char* kSeedVariable = "PR_PROPERTY_SEED";
// The fixed seed, or the one the environment gives.
std::uint64_t PropertySeed();

// How many inputs a property tries: `count` (a tenth of it in the em++
// build); PR_PROPERTY_DIVISOR=N makes it count / N (the sanitizer tier's test
// preset sets it), PR_PROPERTY_INPUTS any number.
int PropertyInputs(int count);

// Seven texts as a C++ initializer, to paste into a test that reproduces a failure.
std::string Quoted(const BoxTexts& boxes);

}  // namespace pr::test
