// A command-line mistake: bad option, unknown name, bad number. The message
// is one line, shown after the program's name.
#pragma once

#include <stdexcept>
#include <string>

namespace zefrin {

class OptionError : public std::runtime_error {
 public:
  explicit OptionError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zefrin
