#include "page/PageWorking.h"

#include <string_view>
#include <variant>

#include "page/JsonText.h"

namespace pr::page {

std::string PageWorkingJson(const PageForm& form) {
  if (form.Last().Working().items.empty()) {
    return "[{\"kind\":\"sentence\",\"text\":" + JsonText(working::kNoWorkingYet) + "}]";
  }
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
    json += "{\"kind\":" + JsonText(kind) + ",\"text\":" + JsonText(text) + "}";
  }
  return json + "]";
}

}  // namespace pr::page
