// Renders what the page shows after a sequence of key presses and clicks,
// natively, so the browser suite can compare the canvas with it byte for byte.
//
//   page_raster [--ratio R] [--mark M] --out FILE ACTION...
//
// An ACTION is either a text typed into a box ("Text1(0)=2.5", "Text4=10";
// everything after the first "=" is the text) or a button pressed ("Command2").
// FILE receives the raster as RGBA bytes, row after row (what getImageData
// returns); standard output a JSON object with the raster's size, every
// label's caption by its data-name, the run-time errors reported and the
// figure's plain text (what Ctrl+S and Ctrl+Shift+C give with the image).

#include <cstdint>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/ControlNames.h"
#include "core/form/FormLayout.h"
#include "page/JsonText.h"
#include "page/PageFigure.h"
#include "page/PageForm.h"

namespace {

using pr::page::JsonText;

struct Options {
  double ratio = 1.0;
  std::string mark = ".";
  std::string out;
  std::vector<std::string> actions;
};

// "Text1(0)" -> ("Text1", 0); "Text4" -> ("Text4", kNoIndex).
struct ControlName {
  std::string name;
  int index = pr::layout::kNoIndex;
};

ControlName ParseName(std::string_view dataName) {
  const auto open = dataName.find('(');
  if (open == std::string_view::npos) return {std::string(dataName)};
  return {std::string(dataName.substr(0, open)), std::stoi(std::string(dataName.substr(open + 1)))};
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--ratio" && hasValue) {
      options.ratio = std::stod(argv[++i]);
    } else if (arg == "--mark" && hasValue) {
      options.mark = argv[++i];
    } else if (arg == "--out" && hasValue) {
      options.out = argv[++i];
    } else {
      options.actions.push_back(arg);
    }
  }
  if (options.out.empty()) throw std::invalid_argument("--out FILE is missing");
  return options;
}

// Runs one action; returns the run-time error it reported, or "".
std::string Perform(pr::page::PageForm& form, const std::string& action) {
  const auto equals = action.find('=');
  const ControlName named = ParseName(std::string_view(action).substr(0, equals));
  const pr::ControlId control{named.name, named.index};
  if (equals == std::string::npos) {
    const auto button = pr::ButtonAt(control);
    if (!button) throw std::invalid_argument("no button " + action);
    const std::optional<pr::Failure> failure = form.Click(*button);
    return failure ? failure->Report() : "";
  }
  const auto box = pr::InputBoxAt(control);
  if (!box) throw std::invalid_argument("no input box " + named.name);
  form.SetText(*box, action.substr(equals + 1));
  return "";
}

void WriteRgba(const pr::RasterSurface& raster, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height()) * 4);
  const std::uint32_t* pixel = raster.Data();
  for (int i = 0; i < raster.Width() * raster.Height(); ++i, ++pixel) {
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(*pixel >> 16), static_cast<std::uint8_t>(*pixel >> 8),
                               static_cast<std::uint8_t>(*pixel), static_cast<std::uint8_t>(*pixel >> 24)});
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

void WriteSummary(const pr::page::PageForm& form, const std::vector<std::string>& reports) {
  std::cout << "{\"width\": " << form.Raster().Width() << ", \"height\": " << form.Raster().Height()
            << ", \"captions\": {";
  const char* separator = "";
  for (const pr::layout::ControlRow& row : pr::layout::Controls()) {
    if (row.kind != pr::layout::ControlKind::Label) continue;
    std::cout << separator << JsonText(pr::layout::ElementName(row.name, row.index)) << ": "
              << JsonText(form.Caption({row.name, row.index}));
    separator = ", ";
  }
  std::cout << "}, \"reports\": [";
  separator = "";
  for (const std::string& report : reports) {
    std::cout << separator << JsonText(report);
    separator = ", ";
  }
  std::cout << "], \"figureText\": " << JsonText(pr::page::PageFigureText(form)) << "}\n";
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = ParseOptions(argc, argv);
    pr::page::PageForm form(options.ratio, options.mark);
    form.RedrawFigure();  // what the page does once it is loaded
    std::vector<std::string> reports;
    for (const std::string& action : options.actions) {
      if (std::string report = Perform(form, action); !report.empty()) reports.push_back(report);
    }
    WriteRgba(form.Raster(), options.out);
    WriteSummary(form, reports);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "page_raster: " << e.what() << "\n";
    return 2;
  }
}
