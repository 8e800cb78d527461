#include "page/PageWorking.h"

#include <string_view>
#include <variant>

#include "core/figure/BreakableRuns.h"
#include "page/JsonText.h"

namespace pr::page {
namespace {

// The line's text, and its runs that never wrap inside: the window's rule.
std::string LineJson(std::string_view kind, std::string_view text) {
  std::string runs;
  for (const std::string_view run : figure::BreakableRuns(text)) {
    runs += (runs.empty() ? "" : ",") + JsonText(run);
  }
  return "{\"kind\":" + JsonText(kind) + ",\"text\":" + JsonText(text) + ",\"runs\":[" + runs + "]}";
}

}  // namespace

std::string PageWorkingJson(const PageForm& form) {
  if (form.Last().Working().items.empty()) return "[" + LineJson("sentence", working::kNoWorkingYet) + "]";
  std::string json = "[";
  for (const working::Item& item : form.Last().Working().items) {
    if (json.size() > 1) json += ",";
    std::string_view kind = "sentence";
    std::string text;
    if (const auto* heading = std::get_if<working::Heading>(&item)) {
      kind = "heading";
      text = heading->text;
    } else if (const auto* step = std::get_if<working::Step>(&item)) {
      kind = "step";
      text = working::StepText(*step);
    } else {
      text = std::get<working::Sentence>(item).text;
    }
    json += LineJson(kind, text);
  }
  return json + "]";
}

}  // namespace pr::page
