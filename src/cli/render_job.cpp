#include "cli/render_job.h"

#include <algorithm>

#include "platform/numbers.h"

namespace zefrin {

namespace {

std::unique_ptr<MersenneRandom> makeRandom(const std::optional<uint64_t>& seed) {
  return seed ? std::make_unique<MersenneRandom>(*seed) : std::make_unique<MersenneRandom>();
}

}  // namespace

StoredOutlineSize outlineExtent(std::string_view records) {
  StoredOutlineSize size;
  for (size_t at = 0; at + 8 <= records.size(); at += 8) {
    size.width = std::max(size.width, leadingInteger(records.substr(at, 4)));
    size.height = std::max(size.height, leadingInteger(records.substr(at + 4, 4)));
  }
  return size;
}

RenderJob::RenderJob(const RenderOptions& options, ProgressListener& progress)
    : options_(options),
      progress_(progress),
      random_(makeRandom(options.seed)),
      state_(services()),
      document_(options.pictureWidth(), options.pictureHeight(), options.genset.backcolor),
      collaborators_(options.selectorshape) {}

void RenderJob::prepare() {
  GenSet& genset = state_.genset;
  genset = options_.genset;
  colorcl& colours = state_.generator.colorob();
  applyColourChoice(options_.colours, colours, *random_);
  if (options_.colours.changesSet()) genset.numcolors = colours.numberofcolors();
  if (options_.outline) {
    state_.storedOutline = *options_.outline;
    state_.storedoutlinesize = outlineExtent(*options_.outline);
  }
  if (const auto& s = options_.selection) {
    document_.selogicalxy(s->left, s->top, s->left + s->width, s->top + s->height);
  } else {
    document_.selectall(genset);
  }
}

bool RenderJob::run(LineObserver* observer) {
  prepare();
  RunLoop loop(state_, services());
  loop.setCollaborators(&collaborators_);
  loop.setObserver(observer);
  const bool manual = state_.genset.Operationmode == operation_mode::kManual;
  return loop.run(document_, manual ? std::string_view(options_.manualText) : std::string_view());
}

}  // namespace zefrin
