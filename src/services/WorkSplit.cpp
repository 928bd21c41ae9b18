#include "WorkSplit.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace velmora {

unsigned WorkSplit::Threads() {
  static const unsigned threads = [] {
    if (const char* env = std::getenv("VELMORA_THREADS")) {
      unsigned n = 0;
      const auto [end, ec] = std::from_chars(env, env + std::strlen(env), n);
      if (ec == std::errc() && n > 0) return std::min(n, 8u);
    }
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  }();
  return threads;
}

void WorkSplit::ForEach(std::size_t count, const std::function<void(std::size_t)>& body,
                        const std::atomic<bool>* cancel, unsigned threads) {
  if (count == 0) return;
  if (threads == 0) threads = Threads();
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, count));
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr error;
  std::mutex errorLock;
  auto work = [&] {
    for (;;) {
      if (failed.load(std::memory_order_relaxed)) return;
      if (cancel && cancel->load(std::memory_order_relaxed)) return;
      const std::size_t i = next.fetch_add(1, std::memory_order_relaxed);
      if (i >= count) return;
      try {
        body(i);
      } catch (...) {
        std::lock_guard<std::mutex> lock(errorLock);
        if (!error) error = std::current_exception();
        failed = true;
        return;
      }
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads > 0 ? threads - 1 : 0);
  try {
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
  } catch (const std::system_error&) {
    // No thread to be had: the calling thread does the rest alone.
  }
  work();
  for (std::thread& h : helpers) h.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace velmora
