#pragma once

namespace velmora {

// Documents of tens of megabytes are read into a few large buffers and a
// thousand curve arrays. On Linux every first touch of a 4 KiB page costs a
// fault, and under virtualisation those faults cost more than reading the
// file. The C library hands out transparent huge pages when its tunable asks
// for them, and tunables are read only at process start, so the programs
// start themselves once more with the tunable set.
class HugePageHeap {
 public:
  // Restarts the process with "glibc.malloc.hugetlb=1" added to
  // GLIBC_TUNABLES, unless it is there already or the kernel gives no huge
  // pages on request. Returns only when no restart took place.
  static void restartWithHugePages(char** argv);
  // The GLIBC_TUNABLES value with the huge-page tunable added; empty when
  // `current` already names that tunable.
  static const char* tunables(const char* current, char* buffer, unsigned size);
};

}  // namespace velmora
