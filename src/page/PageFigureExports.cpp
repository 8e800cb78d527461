// The figure's entry points for the page's JavaScript (figure.js): the size of
// the plot square on the canvas and the text that goes with it.
#include <emscripten/emscripten.h>

#include <string>

#include "page/OpenForm.h"
#include "page/PageFigure.h"
#include "plot/FigurePixels.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE int pr_figure_width() { return pr::figure::FigurePixels(pr::page::OpenForm().Raster()).width; }
EMSCRIPTEN_KEEPALIVE int pr_figure_height() { return pr::figure::FigurePixels(pr::page::OpenForm().Raster()).height; }

// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* pr_figure_text() {
  static std::string text;
  text = pr::page::PageFigureText(pr::page::OpenForm());
  return text.c_str();
}

}  // extern "C"
