#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace velmora {

// Short-lived background threads of one owner: each start() runs a routine
// on a thread of its own; finished threads are joined at the next start()
// and every thread is joined by joinAll() or the destructor.
class BackgroundThreads {
 public:
  BackgroundThreads() = default;
  BackgroundThreads(const BackgroundThreads&) = delete;
  BackgroundThreads& operator=(const BackgroundThreads&) = delete;
  ~BackgroundThreads() { joinAll(); }

  void start(std::function<void()> routine);
  void joinAll();

 private:
  struct Entry {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  std::mutex mutex_;
  std::list<Entry> threads_;
};

}  // namespace velmora
