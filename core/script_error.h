// The error an unguarded conversion or file operation raises: it ends the run.
#pragma once
#include <stdexcept>
#include <string>

namespace lumora {

// The text is Windows-1252, as the message box shows it.
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace lumora
