// How a box's text is read, for the page's marks (page.js): the sentence of
// ReadingNote, the same the desktop's boxes show.
#include <emscripten/emscripten.h>

#include <string>

#include "core/numbers/ReadingNote.h"

extern "C" {

// "" where the text is read as it stands; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* pr_reading_note(const char* typed) {
  static std::string note;
  note = pr::ReadingNote(typed).value_or("");
  return note.c_str();
}

}  // extern "C"
