#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "TBasicDataStruct.h"
#include "TDataPoint.h"

namespace velmora {

class TArrayDataStruct;
class TNodeForest;
class IDisplayTransforms;

// Rows of curves: one row per contributing child, each row a list of
// curves. Non-owning.
using TStructCollection = std::vector<std::vector<TArrayDataStruct*>>;

// A curve record with points: the group logic (average, overlay or both of
// the children), the display pipeline and the per-curve history.
class TArrayDataStruct : public TBasicDataStruct {
 public:
  static constexpr double kBoundsReset = 2147483647.0;

  explicit TArrayDataStruct(TNode* node = nullptr);
  ~TArrayDataStruct() override;

  // For node type 2: one detached averaged record per column; owned.
  std::vector<std::unique_ptr<TArrayDataStruct>> AveragedColumns;
  std::uint8_t Visible = 1;
  std::uint8_t SkipSnapshot = 1;
  // Snapshots, shared with the undo steps that hold the same points.
  std::vector<TPointsRef> History;
  std::int32_t HistoryIndex = -1;
  TArrayDataStruct* Partner = nullptr;
  std::uint8_t PartnerSide = 0;
  TDataArr Data;
  double MaxX = -kBoundsReset;
  double MaxY = -kBoundsReset;
  double MinX = kBoundsReset;
  double MinY = kBoundsReset;
  std::int32_t NodeType = 1;  // 0 averaging, 1 overlay, 2 average and overlay
  TStructCollection Curves;
  // Display caches: filled on demand by GetDisplayData, hence mutable.
  mutable std::uint8_t SemiIntegralValid = 0;
  mutable std::uint8_t LogValid = 0;
  mutable std::uint8_t ShiftValid = 0;
  mutable TDataArr SemiIntegralCache;
  mutable TDataArr LogCache;
  mutable TDataArr ShiftCache;
  double XShift = 0.0;

  // --- Virtual operations ---
  void DrawThumbnail() override;
  void PaintData(bool refill) override;
  void OnCalcData() override;
  void SetNodeType(std::int32_t type) override;
  std::unique_ptr<TBasicDataStruct> GetSelfType() const override;

  // --- Points ---
  // The one way to replace the points: history snapshot (unless
  // SkipSnapshot), undo item, caches invalidated, series refilled, thumbnail
  // repainted and the groups above recomputed.
  void SetData(const TDataArr& points);
  void SetData(TDataArr&& points);  // the same, taking the points over
  // SetData that hands back the points it replaced (moved, not copied; the
  // history snapshot, when one was taken, is the same object).
  TPointsRef ExchangeData(TDataArr&& points);
  // The points as displayed: raw (or the pair's semi-integral), shifted,
  // then semilogarithmic. Detached and free-standing records show raw points.
  void GetDisplayData(TDataArr& out) const;
  TDataArr DisplayData() const;
  // The same without a copy: the points or a display cache, valid until the
  // record or the display modes change.
  const TDataArr& DisplayPoints() const;
  void InvalidateCaches();
  // Recomputes the bounds from the displayed points and reports the series
  // for refilling.
  void RefillSeries();
  // `from` 0 resets the bounds; then widens them with display points
  // from..last.
  void UpdateBounds(std::size_t from);
  // --- Curve edits (TArrayDataStructEdits.cpp) ---
  // Each goes through SetData (or records the shift), so it is recorded for
  // undo; addressed to a group it applies to every leaf curve below it.
  void SetXShift(double shift);
  // A leaf's own shift; for a group the shift its leaves share (see
  // GroupXShift).
  double GetXShift() const;
  void Smooth(std::int32_t window);
  // 0 negates X, 1 negates Y.
  void Invert(std::int32_t axis);
  void Subtract(const TDataArr& points);
  // The leaf curves an edit addressed to this record changes: itself for a
  // leaf; every leaf below for a group; for an averaged column the curves it
  // averages. Each curve once.
  std::vector<TArrayDataStruct*> EditTargets();
  // Index of the first point at or beyond `x` in the sweep direction; the
  // last index when none qualifies; -1 for an empty curve.
  std::int32_t IndexOfPotential(double x) const;

  // --- Groups ---
  TStructCollection CollectCurves(bool checkedOnly, std::int32_t depth);
  // Averages the checked children into Data (an averaging group or an
  // averaged column); a leaf's points stay as they are.
  void AverageChildren();
  // The average of every curve of every row on a common uniform grid.
  static TDataArr AverageCurves(const TStructCollection& rows);
  TStructCollection BuildAveragedColumns(const TStructCollection& rows);
  void ToggleColumnVisible(std::int32_t index);
  // Every curve this record draws, flattened.
  std::vector<TArrayDataStruct*> DrawnCurves() const;

  // --- History ---
  // A copy of the current points onto the history.
  void PushSnapshot();
  void UndoData();
  void RedoData();
  bool CanUndoData() const;
  bool CanRedoData() const;

  // --- Links to the forest ---
  TNodeForest* Forest() const;
  // True when this record's node is a group (has children).
  bool IsGroup() const;
  // Process-wide display transforms of the curve processing; not owned.
  // Null restores the built-in ones (TCurveDisplayTransforms).
  static void SetDisplayTransforms(const IDisplayTransforms* transforms);

 protected:
  // Runs after the curves were collected in OnCalcData (common parameters).
  virtual void AfterCollect() {}
  // Repaints the node and recomputes the groups above after a change of
  // this record.
  void NotifyChanged(bool refill);

 private:
  void ApplyPairing(const TStructCollection& rows);
  void SetPartner(TArrayDataStruct* partner, std::uint8_t side);
  TStructCollection CollectCurvesAs(bool checkedOnly, std::int32_t depth, std::int32_t nodeType);
  void HistoryStep(int delta);
  void PushSnapshot(TPointsRef points);
  void DropAverageOfLostChildren();

  // Set while Data holds the average of the children of an averaging group
  // (derived, never measured).
  bool holdsAverage_ = false;
};

}  // namespace velmora
