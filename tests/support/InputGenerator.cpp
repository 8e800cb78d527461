#include "support/InputGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace pr::test {
namespace {

constexpr std::uint64_t kFixedSeed = 20261207;

// Where doubles and the program's arithmetic meet their limits: the largest
// double and the overflow just past it, the smallest normal and subnormals,
// 2^47 and beyond (where adding 0.01 stalls), 2^53 + 1 (not a double).
constexpr std::array<std::string_view, 24> kExtremes = {
    "1e308",
    "-1e308",
    "1.7976931348623157e308",
    "-1.7976931348623157e308",
    "1e-308",
    "-1e-308",
    "4.9e-324",
    "-5e-324",
    "1e-320",
    "2.2250738585072014e-308",
    "1e-300",
    "-2.5e-310",
    "140737488355328",
    "-140737488355328",
    "140737488355329.5",
    "281474976710656",
    "1e15",
    "-1e15",
    "1e300",
    "-1e300",
    "9007199254740993",
    "1e154",
    "-0",
    "1e999",
};

// What lands in a box besides a clean number.
constexpr std::array<std::string_view, 26> kJunk = {
    "",
    "abc",
    "12 cm",
    "2,5",
    " - 3",
    "1 2 3",
    "1 e 3",
    "--3",
    "+3",
    ".5",
    "1.2.3",
    "1e",
    "1e+",
    "\t7\t",
    "e5",
    "0x10",
    "\xd9\xa1\xd9\xa2",
    "\xe2\x88\x92"
    "3",
    "1,000.5",
    "  ",
    "3-",
    "..1",
    "-",
    "+.e",
    "1e-",
    ",",
};

std::string Printed(const char* format, double v) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, v);
  return buffer.data();
}

}  // namespace

int InputGenerator::Between(int low, int high) {
  const auto span = static_cast<std::uint64_t>(high - low) + 1;
  return low + static_cast<int>(random_() % span);
}

double InputGenerator::Unit() { return static_cast<double>(random_() >> 11) * 0x1p-53; }

std::string InputGenerator::OrdinaryText() {
  switch (Between(0, 3)) {
    case 0:
      return std::to_string(Between(-20, 20));
    case 1:
      return Printed("%.2f", Between(-2000, 2000) / 100.0);
    case 2: {
      const double magnitude = std::pow(10.0, -6.0 + 12.0 * Unit());
      return Printed(OneIn(2) ? "%.17g" : "%.4g", OneIn(2) ? magnitude : -magnitude);
    }
    default:
      return Printed("%.3f", -1000.0 + 2000.0 * Unit());
  }
}

std::string InputGenerator::ExtremeText() {
  return std::string(kExtremes[static_cast<std::size_t>(Between(0, static_cast<int>(kExtremes.size()) - 1))]);
}

std::string InputGenerator::JunkText() {
  return std::string(kJunk[static_cast<std::size_t>(Between(0, static_cast<int>(kJunk.size()) - 1))]);
}

// Blanks, tabs and line feeds inside the number, a sign, a unit after it,
// a comma where the period was: all of it must read as Val reads it.
std::string InputGenerator::Decorated(std::string text) {
  switch (Between(0, 9)) {
    case 0:
      return " " + text + " ";
    case 1:
      if (!text.empty())
        text.insert(static_cast<std::size_t>(Between(0, static_cast<int>(text.size()))), OneIn(2) ? "\t" : "\n");
      return text;
    case 2:
      return text + " cm";
    case 3:
      if (const std::size_t at = text.find('.'); at != std::string::npos) text[at] = ',';
      return text;
    case 4:
      return "+" + text;
    default:
      return text;
  }
}

std::string InputGenerator::NumberText() {
  const int family = Between(0, 9);
  if (family < 6) return Decorated(OrdinaryText());
  if (family < 8) return Decorated(ExtremeText());
  return JunkText();
}

std::string InputGenerator::FullScaleText() {
  const int family = Between(0, 19);
  if (family < 10) return Printed("%.2f", 0.1 + 20.0 * Unit());            // a plain sweep
  if (family < 12) return std::to_string(Between(21, 100));                // the longest plain ones
  if (family < 14) return Printed("%.6g", 100.0 * std::pow(1e7, Unit()));  // the fast sweep
  if (family < 16) return ExtremeText();
  if (family < 17) return Printed("%.3g", std::pow(10.0, -300.0 * Unit()));            // tiny
  if (family < 19) return "-" + Printed("%.3g", std::pow(10.0, -3.0 + 9.0 * Unit()));  // mirrored
  return JunkText();                                                                   // mostly 0
}

// Pairs that coincide, stand one above the other, lie level, or three
// points on one line: the cases where the commands divide by a difference.
void InputGenerator::Relate(BoxTexts& boxes) {
  const int a = Between(0, 2);
  const int b = (a + Between(1, 2)) % 3;
  const auto x = [](int point) { return static_cast<std::size_t>(2 * point); };
  const auto y = [](int point) { return static_cast<std::size_t>(2 * point + 1); };
  switch (Between(0, 5)) {
    case 0:  // coincident
      boxes[x(b)] = boxes[x(a)];
      boxes[y(b)] = boxes[y(a)];
      break;
    case 1:  // vertical
      boxes[x(b)] = boxes[x(a)];
      break;
    case 2:  // horizontal
      boxes[y(b)] = boxes[y(a)];
      break;
    case 3: {  // collinear, exactly: P1 + k·(u, v)
      const int x0 = Between(-50, 50);
      const int y0 = Between(-50, 50);
      const int u = Between(-5, 5);
      const int v = Between(-5, 5);
      for (int point = 0; point < 3; ++point) {
        const int k = Between(-10, 10);
        boxes[x(point)] = std::to_string(x0 + k * u);
        boxes[y(point)] = std::to_string(y0 + k * v);
      }
      break;
    }
    default:
      break;  // unrelated
  }
}

BoxTexts InputGenerator::Boxes() {
  BoxTexts boxes;
  for (std::size_t i = 0; i < 6; ++i) boxes[i] = NumberText();
  boxes[6] = FullScaleText();
  if (!OneIn(3)) Relate(boxes);
  return boxes;
}

std::uint64_t PropertySeed() {
  const char* text = std::getenv(kSeedVariable);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : kFixedSeed;
}

int PropertyInputs(int count) {
  if (const char* text = std::getenv("PR_PROPERTY_INPUTS"); text != nullptr && *text != '\0') {
    return std::atoi(text);
  }
  if (const char* text = std::getenv("PR_PROPERTY_DIVISOR"); text != nullptr && *text != '\0') {
    return std::max(1, count / std::max(1, std::atoi(text)));
  }
#ifdef PR_PROPERTY_REDUCED
  return count / 10;
#else
  return count;
#endif
}

std::string Quoted(const BoxTexts& boxes) {
  std::string out = "{";
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    out += i ? ", \"" : "\"";
    for (const char c : boxes[i]) {
      if (c == '\n') {
        out += "\\n";
      } else if (c == '\t') {
        out += "\\t";
      } else if (c == '"' || c == '\\') {
        out += std::string("\\") + c;
      } else if (static_cast<unsigned char>(c) >= 0x80) {
        constexpr std::string_view kHex = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(c);
        out += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
      } else {
        out += c;
      }
    }
    out += "\"";
  }
  return out + "}";
}

}  // namespace pr::test
