#include "WindowMessageSink.h"

#include "MainWindow.h"

namespace velmora {

void WindowMessageSink::error(const Message& m) { window_.messageSink().error(m); }
void WindowMessageSink::warning(const Message& m) { window_.messageSink().warning(m); }
void WindowMessageSink::information(const Message& m) { window_.messageSink().information(m); }
Answer WindowMessageSink::askYesNo(const Message& m) { return window_.messageSink().askYesNo(m); }
Answer WindowMessageSink::askYesNoCancel(const Message& m) { return window_.messageSink().askYesNoCancel(m); }

}  // namespace velmora
