#include "BackgroundThreads.h"

namespace velmora {

void BackgroundThreads::start(std::function<void()> routine) {
  std::lock_guard lock(mutex_);
  for (auto it = threads_.begin(); it != threads_.end();) {
    if (it->done->load() && it->thread.get_id() != std::this_thread::get_id()) {
      it->thread.join();
      it = threads_.erase(it);
    } else {
      ++it;
    }
  }
  auto done = std::make_shared<std::atomic<bool>>(false);
  threads_.push_back({std::thread([routine = std::move(routine), done] {
                        routine();
                        done->store(true);
                      }),
                      done});
}

void BackgroundThreads::joinAll() {
  std::list<Entry> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
  }
  for (auto& e : threads) {
    if (e.thread.get_id() == std::this_thread::get_id())
      e.thread.detach();
    else if (e.thread.joinable())
      e.thread.join();
  }
}

}  // namespace velmora
