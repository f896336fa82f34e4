// Everything the program keeps for its whole run that more than one window
// or command shares: the generation settings, the stored free-form outline,
// the generator. One object, handed to whoever needs it, so a test starts
// from a fresh one instead of from whatever an earlier test left behind.
#pragma once

#include <string>

#include "generator/generator.h"
#include "generator/settings.h"
#include "platform/seams/engine_services.h"

namespace zefrin {

// Size of the last stored free-form outline; width 0 means none is stored.
struct StoredOutlineSize {
  int32_t width = 0;
  int32_t height = 0;
};

class ApplicationState {
 public:
  explicit ApplicationState(const EngineServices& services) : generator(services) {
    resetToDefaults();
  }

  // What start-up does first: every setting to its default, no stored outline.
  void resetToDefaults() {
    setdefaults(genset);
    storedOutline.clear();
    storedoutlinesize = {};
  }

  GenSet genset;
  std::string storedOutline;  // 8-character records, x and y as 4 digits each
  StoredOutlineSize storedoutlinesize;
  igen generator;
};

}  // namespace zefrin
