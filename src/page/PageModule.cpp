// The page's way into the program: plain C functions the page's JavaScript
// calls through emscripten's cwrap. Strings handed back stay valid until the
// next call of the same function.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "page/OpenForm.h"
#include "page/PageForm.h"
#include "page/PageLayout.h"

namespace {

std::unique_ptr<pr::page::PageForm> form;
std::vector<std::uint32_t> rgba;

const char* Kept(std::string& slot, std::string text) {
  slot = std::move(text);
  return slot.c_str();
}

}  // namespace

pr::page::PageForm& pr::page::OpenForm() { return *form; }

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* pr_layout_json() {
  static std::string json;
  return Kept(json, pr::page::PageLayoutJson());
}

// Creates Form1 and raises its first Paint: the plane is drawn. Results are
// written with a period until pr_set_decimal_mark says otherwise.
EMSCRIPTEN_KEEPALIVE void pr_open(double devicePixelRatio) {
  form = std::make_unique<pr::page::PageForm>(devicePixelRatio, ".");
  form->RedrawFigure();
}

// The browser language's decimal mark: the page learns it only after its
// first paint (see page.js), before any press.
EMSCRIPTEN_KEEPALIVE void pr_set_decimal_mark(const char* decimalMark) { form->SetDecimalMark(decimalMark); }

// 1 when the ratio changed and the raster was made anew and painted.
EMSCRIPTEN_KEEPALIVE int pr_set_ratio(double devicePixelRatio) {
  return form->SetDevicePixelRatio(devicePixelRatio) ? 1 : 0;
}

// The page knows its controls by the names the layout gave them.
EMSCRIPTEN_KEEPALIVE void pr_set_text(const char* name, int index, const char* text) {
  if (const auto box = pr::InputBoxAt({name, index})) form->SetText(*box, text);
}

// What a box holds now: a moved point's boxes are written by the program.
EMSCRIPTEN_KEEPALIVE const char* pr_text(const char* name, int index) {
  static std::string text;
  const auto box = pr::InputBoxAt({name, index});
  return Kept(text, box ? form->Text(*box) : std::string());
}

// The run-time error's report, or "" when the handler ran to its end.
EMSCRIPTEN_KEEPALIVE const char* pr_click(const char* name) {
  static std::string report;
  const auto button = pr::ButtonAt({name, pr::kNoIndex});
  const std::optional<pr::Failure> failure = button ? form->Click(*button) : std::nullopt;
  return Kept(report, failure ? failure->Report() : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* pr_caption(const char* name, int index) {
  static std::string caption;
  return Kept(caption, form->Caption({name, index}));
}

// The ratio the raster was made for: the one asked for, kept to a usable range.
EMSCRIPTEN_KEEPALIVE double pr_raster_ratio() { return form->DevicePixelRatio(); }
EMSCRIPTEN_KEEPALIVE int pr_raster_width() { return form->Raster().Width(); }
EMSCRIPTEN_KEEPALIVE int pr_raster_height() { return form->Raster().Height(); }

// The raster as canvas ImageData bytes (R, G, B, A).
EMSCRIPTEN_KEEPALIVE const std::uint8_t* pr_raster_rgba() {
  const pr::RasterSurface& raster = form->Raster();
  const std::size_t count = static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height());
  rgba.resize(count);
  const std::uint32_t* pixels = raster.Data();
  for (std::size_t i = 0; i < count; ++i) {
    rgba[i] = pr::Rgb32ToRgba(pixels[i]);
  }
  return reinterpret_cast<const std::uint8_t*>(rgba.data());
}

}  // extern "C"
