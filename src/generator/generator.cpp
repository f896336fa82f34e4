#include "generator/generator.h"

#include <algorithm>
#include <numeric>

#include "generator/patterns.h"
#include "platform/numbers.h"

namespace zefrin {

igen::igen(const EngineServices& services)
    : services_(services),
      store_(services.messenger, services.progress, services.clock) {
  route_.reserve(1024);
}

void igen::decodestr(const GenParams& params, std::string_view manualText,
                     std::string_view sborder) {
  params_ = clampGenParams(params);
  builder_.clear();
  lineWidth_ = 0;
  runCut_ = false;
  lineOrder_.clear();
  route_.clear();

  // A. Preparing a run.
  manualBorder_ = !sborder.empty();
  if (manualBorder_) {
    freeform_.parse(sborder);
  } else {
    border_.borderinst(params_);
  }

  lineCount_ = std::min(params_.numblines, kMaxLines);
  runCut_ = params_.numblines > kMaxLines;
  const bool usesConnections = params_.Operationmode == operation_mode::kAutomatic ||
                               params_.Operationmode == operation_mode::kManual;
  if (!usesConnections) {
    store_.setContup(params_.contup);
    store_.setContleft(params_.contleft);
    store_.deleteall();  // the previous run's connections are gone in every mode
    return;
  }

  if (manualBorder_) {
    freeform_.place(params_.logicalX, params_.logicalY, params_.offsetlogicalX,
                    params_.offsetlogicalY, params_.contup, rails_);
  } else {
    border_.borderinstal1(params_.logicalX, params_.logicalY, params_.offsetlogicalX,
                          params_.offsetlogicalY, rails_);
  }

  store_.setContup(params_.contup);
  store_.setContleft(params_.contleft);
  store_.deleteall();

  const bool manual = params_.Operationmode == operation_mode::kManual;
  PatternInputs inputs{params_.contup, params_.contleft, params_.modeparam1, params_.modeparam2,
                       manual ? -1 : params_.funcs};
  runPattern(store_, inputs, colours_, services_.random, manual ? manualText : std::string_view{});

  store_.general();

  const int32_t connections = store_.UboundEntry();
  lineCount_ = std::min(connections, kMaxLines);
  runCut_ = connections > kMaxLines;

  lineOrder_.resize(static_cast<size_t>(lineCount_) + 1);
  std::iota(lineOrder_.begin(), lineOrder_.end(), 0);
  if (params_.funcs == 0) {
    // "Random" draws its connections in a shuffled order.
    const int32_t count = lineCount_;
    for (int32_t i = 1; i <= count - 1; ++i) {
      const float u = services_.random.uniform();
      const float pick = u * static_cast<float>(count - i + 1) + static_cast<float>(i);
      // In single precision u * n + i can round up to count + 1 for long
      // runs; the last entry is the furthest a swap may reach.
      const int32_t j = std::min(floorInt(pick), count);
      std::swap(lineOrder_[static_cast<size_t>(i)], lineOrder_[static_cast<size_t>(j)]);
    }
  }
}

void igen::linebuilding(int32_t i) {
  if (params_.Operationmode == operation_mode::kMultiOutline) {
    if (i < 1) return;
    const int64_t shrink = 100 - int64_t{params_.outlinepercent};
    float sx = static_cast<float>(static_cast<double>(shrink * params_.logicalX) / 100.0 /
                                  params_.numblines);
    const float sy = static_cast<float>(static_cast<double>(shrink * params_.logicalY) / 100.0 /
                                        params_.numblines);
    if (params_.outlproportion == 1) sx = std::min(sx, sy);
    const double d = i - 1;
    const int32_t width = roundHalfEven(params_.logicalX - d * sx);
    const int32_t height = roundHalfEven(params_.logicalY - d * sy);
    const int32_t left = roundHalfEven(d * sx / 2 + params_.offsetlogicalX);
    const int32_t top = roundHalfEven(d * sy / 2 + params_.offsetlogicalY);
    lineWidth_ = 0;
    if (manualBorder_) {
      freeform_.scaleOutline(width, height, left, top, route_);
      builder_.fromFreeformOutline(route_, params_, colours_, i);
    } else {
      border_.resul(width, height, left, top, route_);
      const int32_t nc = colours_.numberofcolors();
      builder_.fromOutline(route_, params_, colours_, nc > 0 ? colours_.coli((i - 1) % nc) : 0);
    }
  } else {
    if (i < 1 || i > lineCount_) return;
    store_.marsh(lineOrder_[static_cast<size_t>(i)], rails_, route_);
    lineWidth_ = route_.empty() ? 0 : route_.front().width;
    builder_.fromRoute(route_, params_, colours_);
    services_.pump.processPendingEvents();
  }
  if (params_.alpha != 180) builder_.rotate(params_);
}

}  // namespace zefrin
