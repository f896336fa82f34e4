#include "app/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zefrin {

void QtEventPump::processPendingEvents() {
  if (beforePump_) beforePump_();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitForEvents(int32_t maxMilliseconds) {
  if (beforePump_) beforePump_();
  if (maxMilliseconds <= 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return;
  }
  // A short event loop of its own: events run as they come, the thread sleeps in between.
  QEventLoop loop;
  QTimer::singleShot(maxMilliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace zefrin
