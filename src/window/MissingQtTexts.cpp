#include "window/MissingQtTexts.h"

#include <string_view>

namespace pr::window {
namespace {

struct Text {
  std::string_view english;
  const char* italian;
};
// Worded like the catalog's own neighbours ("Stampa fronte/retro").
constexpr Text kTexts[] = {
    {"Double Sided Printing", "Stampa fronte/retro"},
    {"Off", "Disattivata"},
    {"Long side binding", "Rilegatura sul lato lungo"},
    {"Short side binding", "Rilegatura sul lato corto"},
    {"Pages", "Pagine"},
    {"Advanced", "Avanzate"},
    {"There are conflicts in some options. Please fix them.", "Alcune opzioni sono in conflitto: correggile."},
};

// Only the print dialogs' classes: "Off" or "Pages" may mean something
// else elsewhere.
bool InPrintDialogs(std::string_view context) {
  return context.starts_with("QPrint") || context.starts_with("QUnixPrint") || context.starts_with("QPageSetup");
}

}  // namespace

QString MissingQtTexts::translate(const char* context, const char* sourceText, const char*, int) const {
  if (context == nullptr || sourceText == nullptr || !InPrintDialogs(context)) return {};
  for (const Text& text : kTexts) {
    if (text.english == sourceText) return QString::fromUtf8(text.italian);
  }
  return {};
}

}  // namespace pr::window
