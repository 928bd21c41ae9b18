// A data race on purpose, for the thread sanitizer build: a blocking queued
// call runs a lambda on a worker thread that writes a counter, and the main
// thread writes it again once the call has returned. Qt orders the two
// writes with primitives the sanitizer does not see, so for it nothing
// orders them: the same hand-over that hides a real race in a slot or a
// queued call. Both accesses are our code, with Qt's event delivery below
// the worker's. The test passes only when the sanitizer reports the race,
// so that suppressions broad enough to hide such a race turn the thread
// sanitizer stage red.
#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <cstdio>

namespace {

int counter = 0;

// Not inlined, so that the report's top frame is this function.
[[gnu::noinline]] void BumpOnWorker() { counter += 1; }
[[gnu::noinline]] void BumpOnMain() { counter += 2; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QThread worker;
  QObject context;
  context.moveToThread(&worker);
  worker.start();
  // Blocking: the worker has run the lambda when the call returns.
  QMetaObject::invokeMethod(
      &context, [] { BumpOnWorker(); }, Qt::BlockingQueuedConnection);
  BumpOnMain();
  worker.quit();
  worker.wait();
  std::printf("counter %d\n", counter);
  return 0;
}
