#pragma once

namespace velmora {

class TNodeForest;

// Fills a forest with synthetic stripping voltammograms (zinc, cadmium,
// lead and copper peaks on a sloping background, with noise) arranged as
// an analysis would record them: per sample a group of background, sample
// and standard-addition groups, each holding replicate curves. Used by the
// hidden --demo switch, the screenshot tour and the benchmarks.
class DemoDocument {
 public:
  // `samples` sample groups of background, analyte and two additions with
  // `replicates` curves each.
  static void build(TNodeForest& forest, int samples = 3, int replicates = 3);
  // `count` leaves at root level (for load tests).
  static void buildFlat(TNodeForest& forest, int count, int points = 1200);
};

}  // namespace velmora
