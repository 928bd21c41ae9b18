#include "TRecordPlacement.h"

#include <cstdio>
#include <memory>
#include <span>

#include "BinaryReader.h"
#include "DateTime.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// Offsets in the step record.
constexpr std::size_t kCycle = 44;
constexpr std::size_t kCycleCount = 45;
constexpr std::size_t kCycleType = 49;
constexpr std::size_t kExtra = 244;
constexpr std::size_t kStirrerType = 256;
constexpr std::size_t kStirrerSpeed = 260;
constexpr std::size_t kCompensation = 264;

std::int32_t IntAt(const std::array<std::uint8_t, TRecordedCurve::kStepSize>& step, std::size_t offset) {
  const std::uint32_t v =
      static_cast<std::uint32_t>(step[offset]) | (static_cast<std::uint32_t>(step[offset + 1]) << 8) |
      (static_cast<std::uint32_t>(step[offset + 2]) << 16) | (static_cast<std::uint32_t>(step[offset + 3]) << 24);
  return static_cast<std::int32_t>(v);
}

}  // namespace

TRecordPlacement::TRecordPlacement(TNodeForest& forest) : forest_(forest) {}

double TRecordPlacement::NowDate() const { return Now ? Now() : DateTime::now(); }

std::string TRecordPlacement::DefaultDateTimeText(double date) {
  const DateTime::Parts p = DateTime::split(date);
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", p.day, p.month, p.year, p.hour, p.minute, p.second);
  return text;
}

void TRecordPlacement::ForgetRoot() {
  root_ = nullptr;
  lastLoop_ = lastProgram_ = lastStep_ = -1;
}

void TRecordPlacement::MakeGroupRecord(TNode* node) {
  if (node->Record) return;
  auto record = std::make_unique<TVAStruct>(node);
  record->RecordDate = NowDate();
  const double date = record->RecordDate;
  node->SetRecord(std::move(record));
  node->SetNameSilently(FormatDateTime ? FormatDateTime(date) : DefaultDateTimeText(date));
}

TNode* TRecordPlacement::NewRoot() {
  TNode* node = forest_.AddNode(forest_.LastRoot(), nullptr);
  MakeGroupRecord(node);
  return node;
}

TNode* TRecordPlacement::NewGroupChild(TNode* parent) {
  TNode* node = forest_.AddChild(parent);
  MakeGroupRecord(node);
  return node;
}

void TRecordPlacement::Fill(TNode* node, const TRecordedCurve& curve) {
  MakeGroupRecord(node);
  TVAStruct* r = node->VA();
  if (!r) return;
  r->RecordDate = NowDate();
  std::copy(curve.Step.begin(), curve.Step.begin() + TVAParams::kSize, r->Params.Raw.begin());
  if (Simulated) {
    const std::string comments = r->Params.Comments();
    if (comments.rfind(SimulatedMark, 0) != 0) r->Params.SetComments(SimulatedMark + comments);
  }
  BinaryReader extra(std::span<const std::uint8_t>(curve.Step.data() + kExtra, TStepExtra::kSize));
  r->StepExtra.ReadFrom(extra);
  r->StirrerType = IntAt(curve.Step, kStirrerType);
  r->StirrerSpeed = IntAt(curve.Step, kStirrerSpeed);
  r->Compensation = curve.Step[kCompensation];
  r->FilterValue = FilterValue;
  r->CalculationMethod = HasCustomMethod ? -1 : CalculationMethod;
  r->HasCustomMethod = HasCustomMethod ? 1 : 0;
  r->CustomMethod = HasCustomMethod ? CustomMethod : TCustomMethod{};
  node->SetNameSilently(CaptionOf ? CaptionOf(*r) : r->Params.Comments());
}

TNode* TRecordPlacement::Place(const TRecordedCurve& curve, const std::string& databaseName) {
  if (curve.Points.size() <= 2) return nullptr;
  TUndoSuspendGuard undo(&forest_.Undo());
  TPaintingGuard painting(forest_);

  if (root_ && !root_->InForest()) ForgetRoot();
  const bool madeRoot = root_ == nullptr;
  if (madeRoot) {
    root_ = NewRoot();
    lastLoop_ = lastProgram_ = lastStep_ = -1;
  }
  TNode* cur = root_;
  TNode* foldLater = nullptr;

  if (InsertType != 0) {
    if (curve.LoopCount > 1) {
      if (curve.LoopNumber != lastLoop_ || !cur->HasChildren()) {
        cur = NewGroupChild(cur);
        lastProgram_ = lastStep_ = -1;
      } else {
        cur = cur->LastChild();
      }
    }
    if (curve.NodesToCreate > 1) {
      if (curve.ProgramsWithVAGrams > 1) {
        if (curve.ProgramNumber == lastProgram_ && cur->HasChildren()) {
          cur = cur->LastChild();
        } else {
          cur = NewGroupChild(cur);
          lastStep_ = -1;
        }
      }
      if (curve.NodesInCurrentProgram > 1 || lastStep_ != -1) {
        if (curve.ProgramStep == lastStep_ && cur->HasChildren())
          cur = cur->LastChild();
        else
          cur = NewGroupChild(cur);
      }
    }
    if (curve.Step[kCycle] != 0) {
      const std::int32_t cycleCount = IntAt(curve.Step, kCycleCount);
      if (IntAt(curve.Step, kCycleType) == 1) {
        if (cycleCount > 1) {
          if (curve.ProgramStepCycle % 2 != 0 && cur->HasChildren()) {
            cur = cur->LastChild();
          } else {
            cur = NewGroupChild(cur);
            Fill(cur, curve);
            foldLater = cur;
          }
        }
        cur = NewGroupChild(cur);
      } else {
        Fill(cur, curve);
        if (cycleCount > 1) cur = NewGroupChild(cur);
      }
    }
    lastLoop_ = curve.LoopNumber;
    lastProgram_ = curve.ProgramNumber;
    lastStep_ = curve.ProgramStep;
  }

  Fill(cur, curve);
  TVAStruct* r = cur->VA();
  r->DatabaseName = databaseName;
  if (CaptionOf) cur->SetNameSilently(CaptionOf(*r));
  r->SetData(curve.Points);
  if (foldLater) foldLater->Fold();
  if (InsertType == 0) ForgetRoot();
  return cur;
}

TNode* TRecordPlacement::PlaceInto(TNode* node, const TRecordedCurve& curve, const std::string& databaseName) {
  if (node == nullptr || curve.Points.size() <= 2) return nullptr;
  TUndoSuspendGuard undo(&forest_.Undo());
  TPaintingGuard painting(forest_);
  Fill(node, curve);
  TVAStruct* r = node->VA();
  r->DatabaseName = databaseName;
  if (CaptionOf) node->SetNameSilently(CaptionOf(*r));
  r->SetData(curve.Points);
  return node;
}

void TRecordPlacement::FillGroup(TNode* node, const TRecordedCurve& curve) {
  if (node == nullptr) return;
  TUndoSuspendGuard undo(&forest_.Undo());
  Fill(node, curve);
}

}  // namespace velmora
