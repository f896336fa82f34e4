// The one way a generation starts: the settings record goes to decodestr
// field for field, with the run's connection text and border text.
#pragma once

#include <string>
#include <string_view>

#include "generator/generator.h"
#include "generator/settings.h"

namespace zefrin {

void startGeneration(igen& generator, const GenSet& genset, std::string_view manualText,
                     std::string_view sborder);

// The border text of a run: the stored free-form outline when the selection
// kind is Freehand, Line or Color selection (3 and up), otherwise empty, which
// means the built-in shapes.
std::string_view borderTextForRun(int32_t selectorshape, const std::string& storedOutline);

}  // namespace zefrin
