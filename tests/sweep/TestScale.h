#pragma once

namespace pr::test {

// Iteration counts of the heavier sweep tests, shrunk in the sanitizer build
// (which runs about ten times slower) so the suite still finishes in minutes.
constexpr int Scaled(int count) {
#ifdef PR_SWEEP_TESTS_REDUCED
  return count / 10 > 0 ? count / 10 : 1;
#else
  return count;
#endif
}

}  // namespace pr::test
