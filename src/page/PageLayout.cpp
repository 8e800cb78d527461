#include "page/PageLayout.h"

#include <cmath>
#include <string_view>

#include "core/figure/FigurePage.h"
#include "core/form/FormLayout.h"
#include "core/numbers/DecimalText.h"
#include "page/JsonText.h"
#include "page/PageForm.h"
#include "plot/PlotArea.h"

namespace pr::page {
namespace {

constexpr double kCssPixelsPerPoint = kStandardDpi / 72.0;

int Pixels(int twips) { return TwipsToPixels(twips, kStandardDpi); }

// The desktop's toolkit draws a font at a whole pixel size: 7.8 pt (10.4 px)
// shows at 10 px, 13.2 pt (17.6 px) at 18 px. The page asks for the same.
long FontPixels(double points) { return std::lround(points * kCssPixelsPerPoint); }

// A colour as the program writes it, 0x00BBGGRR, as CSS writes it.
std::string Css(Colour colour) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string text = "#";
  for (const int part : {Red(colour), Green(colour), Blue(colour)}) {
    text += kHex[(part >> 4) & 15];
    text += kHex[part & 15];
  }
  return JsonText(text);
}

std::string_view KindName(layout::ControlKind kind) {
  switch (kind) {
    case layout::ControlKind::Label:
      return "label";
    case layout::ControlKind::TextBox:
      return "textbox";
    case layout::ControlKind::CommandButton:
      return "button";
    case layout::ControlKind::Shape:
      return "shape";
  }
  return "";
}

// The layout's constants are short decimals: written as typed, in any locale.
std::string Number(double value) { return ShortestText(value); }

std::string Row(const layout::ControlRow& row) {
  std::string json = "{\"kind\":" + JsonText(KindName(row.kind));
  json += ",\"name\":" + JsonText(row.name);
  json += ",\"index\":" + std::to_string(row.index);
  json += ",\"dataName\":" + JsonText(layout::ElementName(row.name, row.index));
  json += ",\"caption\":" + JsonText(row.caption);
  json += ",\"left\":" + std::to_string(Pixels(row.left));
  json += ",\"top\":" + std::to_string(Pixels(row.top));
  json += ",\"width\":" + std::to_string(Pixels(row.width));
  json += ",\"height\":" + std::to_string(Pixels(row.height));
  json += ",\"colour\":" + (row.colour ? Css(*row.colour) : std::string("null"));
  json += ",\"fontPoints\":" + Number(row.fontPoints);
  json += ",\"fontPixels\":" + std::to_string(FontPixels(row.fontPoints));
  json += ",\"autoSize\":" + std::string(row.autoSize ? "true" : "false");
  json += ",\"emptyWidth\":" +
          std::to_string(std::lround(layout::kEmptyLabelWidthEm * row.fontPoints * kCssPixelsPerPoint));
  json += ",\"tabIndex\":" + std::to_string(row.tabIndex);
  json += ",\"spoken\":" + JsonText(row.spoken) + "}";
  return json;
}

// The printed page's measures, the same as the desktop's.
std::string Print() {
  std::string json = "{\"marginMm\":" + Number(figure::kFileMarginMm);
  json += ",\"titleGapMm\":" + Number(figure::kTitleGapMm);
  json += ",\"textGapMm\":" + Number(figure::kTextGapMm);
  json += ",\"titlePoints\":" + Number(figure::kTitlePoints) + "}";
  return json;
}

}  // namespace

std::string PageLayoutJson() {
  std::string json = "{\"title\":" + JsonText(layout::kProgramTitle);
  json += ",\"width\":" + std::to_string(kPageWidthCss);
  json += ",\"height\":" + std::to_string(kPageHeightCss);
  json += ",\"fontFamily\":" + JsonText(layout::kFormFontFamily);
  json += ",\"fallbackFamily\":" + JsonText(layout::kFormFontFallback);
  json += ",\"fontPoints\":" + Number(layout::kFormFontPoints);
  json += ",\"fontPixels\":" + std::to_string(FontPixels(layout::kFormFontPoints));
  json += ",\"fontWeight\":" + std::to_string(layout::kFormFontWeight);
  json += ",\"background\":" + Css(kPageBackground);
  // The plot square, which no control covers; points are moved there.
  json += ",\"plotSide\":" + std::to_string(PixelsCovering(plot::kSide, kStandardDpi));
  json += ",\"print\":" + Print();
  json += ",\"controls\":[";
  const char* separator = "";
  for (const layout::ControlRow& row : layout::Controls()) {
    json += separator + Row(row);
    separator = ",";
  }
  return json + "]}";
}

}  // namespace pr::page
