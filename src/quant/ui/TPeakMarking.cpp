#include "TPeakMarking.h"

#include <qcustomplot.h>

#include <QInputDialog>
#include <QPointer>
#include <cmath>

#include "IPeaksHost.h"
#include "TPeakEditor.h"
#include "TPlugin.h"
#include "TPluginsManager.h"
#include "UiText.h"

namespace velmora {

namespace {
constexpr double kGrabPixels = 5.0;
}

TPeakMarking::TPeakMarking(IPeaksHost& host, TPeakEditor& editor, TPluginsManager& hub,
                           std::function<const TElementsPeaksArr&()> table, std::function<void()> refresh,
                           QObject* parent)
    : QObject(parent), host_(host), editor_(editor), table_(std::move(table)), refresh_(std::move(refresh)) {
  calcType_ = [] { return 1; };
  askName_ = [this](const QString& prompt, const QString& initial) {
    return askNameDialog(host_.window(), prompt, initial);
  };
  // The hub outlives the windows: handlers check that the marking still lives.
  TPlugin& plugin = hub.Register();
  const QPointer<TPeakMarking> self(this);
  plugin.OnChartMouseMove = [self](void* sender, int, int x, int y) {
    if (self && sender == self->host_.mainChart()) self->mouseMove(x, y);
  };
  plugin.OnChartMouseDown = [self](void* sender, int button, int, int x, int y) {
    if (self && sender == self->host_.mainChart()) self->mouseDown(button, x, y);
  };
  plugin.OnChartMouseUp = [self](void* sender, int button, int, int x, int y) {
    if (self && sender == self->host_.mainChart()) self->mouseUp(button, x, y);
  };
}

std::optional<QString> TPeakMarking::askNameDialog(QWidget* parent, const QString& prompt, const QString& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, tr("Enter the name, please..."), prompt, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

void TPeakMarking::setActive(bool on) {
  if (active_ == on) return;
  if (!on) {
    // Leaving the mode ends a drag as a release would.
    if (creating_) {
      editor_.CancelNewPeak();
      creating_ = false;
      host_.curvesEdited();
    }
    editor_.CommitBorderChange();
    drag_ = Drag::None;
    grabbed_ = -1;
    setCursorShape(false);
  }
  active_ = on;
  if (QCustomPlot* chart = host_.mainChart()) chart->setMouseTracking(true);
}

double TPeakMarking::potentialAt(int x) const {
  QCustomPlot* chart = host_.mainChart();
  return chart ? chart->xAxis->pixelToCoord(x) : 0.0;
}

double TPeakMarking::pixelOf(double potential) const {
  QCustomPlot* chart = host_.mainChart();
  return chart ? chart->xAxis->coordToPixel(potential) : 0.0;
}

int TPeakMarking::rowAt(int x) const {
  const TElementsPeaksArr& table = table_();
  int found = -1;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double b = pixelOf(table[i].BeginPotential);
    const double e = pixelOf(table[i].EndPotential);
    if (std::abs(b - x) < kGrabPixels || std::abs(e - x) < kGrabPixels) found = static_cast<int>(i);
  }
  return found;
}

void TPeakMarking::setCursorShape(bool resize) {
  if (QCustomPlot* chart = host_.mainChart()) {
    if (resize) {
      chart->setCursor(Qt::SizeHorCursor);
    } else {
      chart->unsetCursor();
    }
  }
}

double TPeakMarking::additionConcFor(const std::string& name) const {
  if (!host_.wizardShown()) return 0.0;
  for (const TPredefPeak& p : host_.wizardPredefinedPeaks()) {
    if (p.Name == name) return p.AdditionConc;
  }
  return 0.0;
}

void TPeakMarking::mouseMove(int x, int) {
  if (!active_) return;
  if (drag_ == Drag::None) {
    grabbed_ = rowAt(x);
    setCursorShape(grabbed_ >= 0);
    return;
  }
  const double moved = borderStart_ + (potentialAt(x) - pressed_);
  if (drag_ == Drag::End) {
    rowEnd_ = moved;
  } else {
    rowBegin_ = moved;
  }
  if (!editor_.MoveBorders(rowName_, rowBegin_, rowEnd_).empty()) refresh_();
}

void TPeakMarking::mouseDown(int button, int x, int y) {
  if (button == TPlugin::ButtonRight) {
    emit contextMenuRequested(x, y);
    return;
  }
  if (!active_ || button != TPlugin::ButtonLeft || drag_ != Drag::None) return;
  if (editor_.Checked().empty()) return;
  const double potential = potentialAt(x);
  grabbed_ = rowAt(x);
  if (grabbed_ < 0) {
    // A new peak under the mouse; its end border follows the drag.
    editor_.BeginNewPeak(potential, calcType_());
    creating_ = true;
    refresh_();
    const TElementsPeaksArr& table = table_();
    grabbed_ = -1;
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (table[i].Name.empty()) grabbed_ = static_cast<int>(i);
    }
    rowName_.clear();
    rowBegin_ = rowEnd_ = potential;
    if (grabbed_ >= 0) {
      rowBegin_ = table[static_cast<std::size_t>(grabbed_)].BeginPotential;
      rowEnd_ = table[static_cast<std::size_t>(grabbed_)].EndPotential;
    }
    drag_ = Drag::End;
    pressed_ = potential;
    borderStart_ = rowEnd_;
    host_.curvesEdited();
    return;
  }
  const TElementPeak& row = table_()[static_cast<std::size_t>(grabbed_)];
  rowName_ = row.Name;
  rowBegin_ = row.BeginPotential;
  rowEnd_ = row.EndPotential;
  const bool nearEnd = std::abs(pixelOf(row.EndPotential) - x) < kGrabPixels;
  drag_ = nearEnd ? Drag::End : Drag::Begin;
  pressed_ = potential;
  borderStart_ = nearEnd ? rowEnd_ : rowBegin_;
  editor_.BeginBorderChange(rowName_);
}

void TPeakMarking::mouseUp(int button, int, int) {
  if (!active_ || button != TPlugin::ButtonLeft || drag_ == Drag::None) return;
  drag_ = Drag::None;
  if (creating_) {
    finishCreating();
  } else {
    editor_.CommitBorderChange();
    host_.curvesEdited();
  }
  grabbed_ = -1;
  setCursorShape(false);
  refresh_();
}

void TPeakMarking::finishCreating() {
  creating_ = false;
  QString prompt;
  QString name;
  for (;;) {
    const std::optional<QString> answer = askName_(prompt, name);
    if (!answer) {
      editor_.CancelNewPeak();
      host_.curvesEdited();
      return;
    }
    name = answer->trimmed();
    const std::string utf8 = UiText::toStd(name);
    if (!name.isEmpty() && !editor_.NameTaken(std::string(), utf8)) {
      editor_.FinishNewPeak(utf8, additionConcFor(utf8));
      host_.curvesEdited();
      return;
    }
    prompt = tr("Enter another name");
  }
}

}  // namespace velmora
