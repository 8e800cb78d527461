#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/numbers/ReadingNote.h"

namespace pr {
namespace {

struct NoteCase {
  const char* typed;
  std::optional<std::string> note;
};

TEST(ReadingNote, SaysWhatWasNotReadAndHowToWriteIt) {
  const NoteCase cases[] = {
      // Read as it stands: no note.
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"2.5", std::nullopt},
      {" -3 ", std::nullopt},
      {"0.00", std::nullopt},
      {"1e5", std::nullopt},
      {"1 000", std::nullopt},
      // A decimal comma.
      {"2,5", "scritto \"2,5\", letto 2 (i decimali si scrivono con il punto: 2.5)"},
      {"-3,25", "scritto \"-3,25\", letto -3 (i decimali si scrivono con il punto: -3.25)"},
      {"0,5", "scritto \"0,5\", letto 0 (i decimali si scrivono con il punto: 0.5)"},
      // No number first.
      {"(2; 3)", "scritto \"(2; 3)\", letto 0 (la casella deve cominciare con un numero)"},
      {"abc", "scritto \"abc\", letto 0 (la casella deve cominciare con un numero)"},
      {"-", "scritto \"-\", letto 0 (la casella deve cominciare con un numero)"},
      // Letters or a second number after it.
      {"12 cm", "scritto \"12 cm\", letto 12 (ciò che segue il numero non è letto)"},
      {"2; 3", "scritto \"2; 3\", letto 2 (ciò che segue il numero non è letto)"},
      {"1.5.3", "scritto \"1.5.3\", letto 1.5 (ciò che segue il numero non è letto)"},
      {"2.5,3", "scritto \"2.5,3\", letto 2.5 (ciò che segue il numero non è letto)"},
      {"2,", "scritto \"2,\", letto 2 (ciò che segue il numero non è letto)"},
  };
  for (const NoteCase& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(ReadingNote(c.typed), c.note);
  }
}

}  // namespace
}  // namespace pr
