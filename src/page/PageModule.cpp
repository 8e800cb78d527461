// The page's way into the program: plain C functions the page's JavaScript
// calls through emscripten's cwrap. Strings handed back stay valid until the
// next call of the same function.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "page/OpenForm.h"
#include "page/PageForm.h"
#include "page/PageLayout.h"

namespace {

std::unique_ptr<pr::page::PageForm> form;
std::vector<std::uint64_t> rgba;

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

// Creates Form1 and raises its first Paint: the plane is drawn.
EMSCRIPTEN_KEEPALIVE void pr_open(double devicePixelRatio, const char* decimalMark) {
  form = std::make_unique<pr::page::PageForm>(devicePixelRatio, decimalMark);
  form->PaintAll();
}

// 1 when the ratio changed and the raster was made anew and painted.
EMSCRIPTEN_KEEPALIVE int pr_set_ratio(double devicePixelRatio) {
  return form->SetDevicePixelRatio(devicePixelRatio) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void pr_set_text(const char* name, int index, const char* text) {
  form->SetText(name, index, text);
}

// The run-time error's report, or "" when the handler ran to its end.
EMSCRIPTEN_KEEPALIVE const char* pr_click(const char* button) {
  static std::string report;
  return Kept(report, form->Click(button));
}

EMSCRIPTEN_KEEPALIVE const char* pr_caption(const char* name, int index) {
  static std::string caption;
  return Kept(caption, form->Caption(name, index));
}

// The ratio the raster was made for: the one asked for, kept to a usable range.
EMSCRIPTEN_KEEPALIVE double pr_raster_ratio() { return form->DevicePixelRatio(); }
EMSCRIPTEN_KEEPALIVE int pr_raster_width() { return form->Raster().Width(); }
EMSCRIPTEN_KEEPALIVE int pr_raster_height() { return form->Raster().Height(); }

// The raster as canvas ImageData bytes (R, G, B, A): its 0xFFRRGGBB words
// are B, G, R, A in memory, so red and blue change places. Two pixels at a
// time, as one 64-bit word: at 200 % this is 2.2 million pixels per redraw.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* pr_raster_rgba() {
  const pr::RasterSurface& raster = form->Raster();
  const std::size_t count = static_cast<std::size_t>(raster.Width()) * static_cast<std::size_t>(raster.Height());
  rgba.resize((count + 1) / 2);
  const std::uint32_t* pixels = raster.Data();
  for (std::size_t i = 0; i < count / 2; ++i) {
    std::uint64_t p;
    std::memcpy(&p, pixels + 2 * i, sizeof p);
    rgba[i] = (p & 0xFF00FF00FF00FF00u) | ((p >> 16) & 0x000000FF000000FFu) | ((p & 0x000000FF000000FFu) << 16);
  }
  if (count % 2 != 0) {
    const std::uint32_t p = pixels[count - 1];
    rgba.back() = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
  }
  return reinterpret_cast<const std::uint8_t*>(rgba.data());
}

}  // extern "C"
