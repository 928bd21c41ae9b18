#include "ScriptStepIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ValueRecord.h"

namespace velmora {

namespace {

const QColor kFlow(0x2f, 0x6f, 0xb8);
const QColor kCell(0x1f, 0x8a, 0x3a);
const QColor kCalc(0xc0, 0x6a, 0x10);
const QColor kProgram(0x7a, 0x3f, 0xa8);
const QColor kSimulation(0x6b, 0x72, 0x7c);
const QColor kStage(0x33, 0x3d, 0x4a);
const QColor kRecord(0xc6, 0x32, 0x2e);

struct Badge {
  QColor color;
  const char* mark;
};

Badge BadgeOf(std::uint32_t type) {
  switch (type) {
    case kStepWait:
      return {kFlow, "||"};
    case kStepStageName:
      return {kStage, "T"};
    case kStepActivePage:
      return {kFlow, "P"};
    case kStepConjunctionType:
      return {kCell, "C"};
    case kStepElectrodeType:
      return {kCell, "E"};
    case kStepBeginCycle:
      return {kFlow, "["};
    case kStepCalcMethod:
      return {kCalc, "M"};
    case kStepCalcTable:
      return {kCalc, "#"};
    case kStepConcUnits:
      return {kCalc, "u"};
    case kStepPredefPeaks:
      return {kCalc, "^"};
    case kStepProgram:
      return {kProgram, "~"};
    case kStepLoopsCount:
      return {kProgram, "L"};
    case kStepEndCycle:
      return {kFlow, "]"};
    case kStepStirrerType:
      return {kCell, "S"};
    case kStepSupportingElectrolyte:
      return {kCell, "B"};
    case kStepControlsVisibility:
      return {kProgram, "V"};
    case kStepStatistics:
      return {kCalc, "%"};
    case kStepCustomEquation:
      return {kCalc, "f"};
    case kStepStartRecord:
      return {kRecord, ""};
    case kStepControlSolution:
      return {kProgram, "K"};
    case kStepSimulation:
      return {kSimulation, "*"};
    case kStepDummyData:
      return {kSimulation, "D"};
    case kStepParallelSamples:
      return {kProgram, "2"};
    case kStepActivation:
      return {kCell, "A"};
    default:
      return {kSimulation, "?"};
  }
}

QPixmap Draw(std::uint32_t type, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const Badge badge = BadgeOf(type);
  const QRectF box(1.0, 1.0, size - 2.0, size - 2.0);
  p.setPen(QPen(badge.color.darker(130), 1.0));
  p.setBrush(badge.color);
  p.drawRoundedRect(box, size * 0.2, size * 0.2);
  if (type == kStepStartRecord) {
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(box.center(), size * 0.22, size * 0.22);
    return pixmap;
  }
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(static_cast<int>(size * 0.62));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(box, Qt::AlignCenter, QString::fromLatin1(badge.mark));
  return pixmap;
}

}  // namespace

QIcon ScriptStepIcons::icon(std::uint32_t type) {
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(Draw(type, size));
  return icon;
}

}  // namespace velmora
