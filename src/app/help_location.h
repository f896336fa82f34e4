// Where the help pages are: next to the program ("help/index.html", where
// the build and an install put them), else in the source tree it was built from.
#pragma once

#include <string>

namespace zefrin {

std::string helpIndexPath();

}  // namespace zefrin
