// Writing a whole file at once: the bytes go to a temporary file beside the
// target, which replaces the target only when everything was written. A
// failed write leaves no file behind (and an existing file untouched).
#pragma once

#include <span>
#include <string>

namespace zefrin {

// Writes `bytes` to `path`. Returns an empty text on success, otherwise a
// one-line error that starts with "unwritable file".
std::string writeFileAtomically(const std::string& path, std::span<const char> bytes);

}  // namespace zefrin
