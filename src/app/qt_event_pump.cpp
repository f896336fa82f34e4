#include "app/qt_event_pump.h"

#include <QCoreApplication>

namespace zefrin {

void QtEventPump::processPendingEvents() {
  if (beforePump_) beforePump_();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace zefrin
