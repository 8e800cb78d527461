// The working's entry point for the page's JavaScript (working.js).
#include <emscripten/emscripten.h>

#include <string>

#include "page/OpenForm.h"
#include "page/PageWorking.h"

extern "C" {

// The "Procedimento" panel's content (PageWorkingJson); valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* pr_working_json() {
  static std::string json;
  json = pr::page::PageWorkingJson(pr::page::OpenForm());
  return json.c_str();
}

}  // extern "C"
