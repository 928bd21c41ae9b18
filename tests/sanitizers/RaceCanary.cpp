// A data race on purpose, for the thread sanitizer build: a queued call runs
// a lambda on a worker thread that writes a counter the main thread writes
// too, with nothing ordering the two writes. Both accesses are our code, with
// Qt's event delivery below the worker's. The test passes only when the
// sanitizer reports it, so that suppressions broad enough to hide a race in
// a slot or a queued call turn the thread sanitizer stage red.
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
  QMetaObject::invokeMethod(
      &context, [] { BumpOnWorker(); }, Qt::QueuedConnection);
  BumpOnMain();
  worker.quit();
  worker.wait();
  std::printf("counter %d\n", counter);
  return 0;
}
