// Where drawing goes; shared by the files that implement the picture.
#pragma once

#include "platform/raster/picture.h"

namespace zefrin {

template <typename Fn>
void Picture::forEachTarget(Fn&& fn) {
  if (state_.persistent) {
    fn(persistent_);
    if (screen_) fn(*screen_);
    return;
  }
  if (!screen_) screen_ = persistent_;  // transient drawing starts from what is shown
  fn(*screen_);
}

}  // namespace zefrin
