#pragma once

namespace velmora {

// Documents of tens of megabytes are read into a few large buffers and a
// thousand curve arrays. On Linux every first touch of a 4 KiB page costs a
// fault, and under virtualisation those faults cost more than reading the
// file. The C library hands out transparent huge pages when its tunable asks
// for them, and tunables are read only at process start, so the programs
// start themselves once more with the tunable set. The restarted process
// puts the environment back as the user had it, so that the programs it
// starts in turn (power-off, an installer, a spreadsheet) inherit nothing.
class HugePageHeap {
 public:
  // Restarts the process with "glibc.malloc.hugetlb=1" added to
  // GLIBC_TUNABLES, unless it is there already or the kernel gives no huge
  // pages on request. Returns only when no restart took place; in the
  // restarted process it returns at once with GLIBC_TUNABLES as it was
  // before the restart.
  static void restartWithHugePages(char** argv);
  // The variable that carries the user's own GLIBC_TUNABLES across the
  // restart ("=" followed by the value, or empty when it was not set).
  static constexpr const char* SavedVariable = "VELMORA_SAVED_GLIBC_TUNABLES";
  // The GLIBC_TUNABLES value with the huge-page tunable added; empty when
  // `current` already names that tunable.
  static const char* tunables(const char* current, char* buffer, unsigned size);
};

}  // namespace velmora
