// The main of the benchmarks of the workstation's own work: the process runs
// as the workstation does, with the C library's huge pages (HugePageHeap),
// so that memory first touched costs what it costs there.
#include <benchmark/benchmark.h>

#include "HugePageHeap.h"

int main(int argc, char** argv) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
