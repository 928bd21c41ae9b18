#include "AllocationMeter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::int64_t> g_held{0};
std::atomic<std::int64_t> g_peak{0};

void* Counted(void* p) {
  if (p == nullptr) return p;
  const auto size = static_cast<std::int64_t>(::malloc_usable_size(p));
  const std::int64_t now = g_held.fetch_add(size, std::memory_order_relaxed) + size;
  std::int64_t peak = g_peak.load(std::memory_order_relaxed);
  while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
  }
  return p;
}

void Release(void* p) noexcept {
  if (p == nullptr) return;
  g_held.fetch_sub(static_cast<std::int64_t>(::malloc_usable_size(p)), std::memory_order_relaxed);
  std::free(p);
}

void* Allocate(std::size_t size) {
  void* p = Counted(std::malloc(size == 0 ? 1 : size));
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* AllocateAligned(std::size_t size, std::align_val_t align) {
  const auto a = static_cast<std::size_t>(align);
  const std::size_t rounded = ((size == 0 ? 1 : size) + a - 1) / a * a;
  void* p = Counted(std::aligned_alloc(a, rounded));
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Counted(std::malloc(size ? size : 1)); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Counted(std::malloc(size ? size : 1)); }
void* operator new(std::size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void* operator new[](std::size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { Release(p); }

namespace velmora::test {

AllocationMeter::AllocationMeter() : base_(g_held.load()) { g_peak.store(base_); }

std::size_t AllocationMeter::Peak() const {
  const std::int64_t peak = g_peak.load() - base_;
  return peak > 0 ? static_cast<std::size_t>(peak) : 0;
}

}  // namespace velmora::test
