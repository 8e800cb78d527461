#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace pr::test {

// Runs a test with the process locale set to Italian (decimal comma), and
// puts the previous locale back afterwards. Skips when it is not installed,
// or when the C library keeps the period under it (musl, in the WebAssembly
// build, has no locale-specific numbers).
class ItalianLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) GTEST_SKIP() << "it_IT.UTF-8 not installed";
    if (std::string(std::localeconv()->decimal_point) != ",") GTEST_SKIP() << "no decimal comma under it_IT.UTF-8";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

}  // namespace pr::test
