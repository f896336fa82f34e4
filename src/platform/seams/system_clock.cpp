#include "platform/seams/clock.h"

#include <chrono>
#include <ctime>

namespace zefrin {

int64_t SystemClock::milliseconds() {
  using namespace std::chrono;
  return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::secondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  double fraction =
      duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000 / 1e6;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace zefrin
