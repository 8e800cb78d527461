#include "core/numbers/RuntimeError.h"

namespace pr {

std::string DescriptionOf(ErrorCode code) {
  switch (code) {
    case ErrorCode::InvalidCall:
      return "Chiamata di routine o argomento non validi";
    case ErrorCode::Overflow:
      return "Overflow";
  }
  return "Errore definito dall'applicazione o dall'oggetto";
}

RuntimeError::RuntimeError(ErrorCode code) : std::runtime_error(DescriptionOf(code)), code_(code) {}

std::string RunTimeErrorReport(int number, const std::string& description) {
  return "Errore di run-time '" + std::to_string(number) + "':\n\n" + description;
}

}  // namespace pr
