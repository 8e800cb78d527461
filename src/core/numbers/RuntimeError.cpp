#include "core/numbers/RuntimeError.h"

namespace pr {

std::string DescriptionOf(ErrorCode code) {
  switch (code) {
    case ErrorCode::InvalidCall:
      return "Chiamata di routine o argomento non validi";
    case ErrorCode::Overflow:
      return "Overflow";
    case ErrorCode::DivisionByZero:
      return "Divisione per zero";
  }
  return "Errore definito dall'applicazione o dall'oggetto";
}

RuntimeError::RuntimeError(ErrorCode code)
    : std::runtime_error(DescriptionOf(code)), code_(code), description_(DescriptionOf(code)) {}

std::string RuntimeError::Report() const {
  return "Errore di run-time '" + std::to_string(Number()) + "':\n\n" + description_;
}

}  // namespace pr
