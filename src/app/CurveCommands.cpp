#include "CurveCommands.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolBar>
#include <exception>
#include <optional>
#include <unordered_set>

#include "BackgroundTask.h"
#include "CurveEdits.h"
#include "CurveProcessing.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PlainMessageBox.h"
#include "Settings.h"
#include "TArrayDataStruct.h"
#include "TImagePreviewBox.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr int kMaxFilterValue = 30;
// From this many points on, an edit runs off the window's thread.
constexpr std::size_t kBackgroundPoints = 1'000'000;

// The busy cursor for the length of a command.
class BusyCursor {
 public:
  explicit BusyCursor(bool on) : on_(on) {
    if (on_) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    if (on_) QApplication::restoreOverrideCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool on_;
};

// Commits a multi-step recording also when the edit throws, so that what
// was changed can still be undone.
template <class Commit>
class CommitGuard {
 public:
  explicit CommitGuard(Commit commit) : commit_(std::move(commit)) {}
  ~CommitGuard() { commit_(); }
  CommitGuard(const CommitGuard&) = delete;
  CommitGuard& operator=(const CommitGuard&) = delete;

 private:
  Commit commit_;
};

}  // namespace

CurveCommands::CurveCommands(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings), tree_(&window.tree()) {
  setObjectName(QStringLiteral("CurveCommands"));
  undo_.AttachView(&window_.forest());
  undo_.OnChange = [this] { updateUndoActions(); };

  MainActions& a = window_.actions();
  for (const char* n : {"UndoActn", "RedoActn", "SmoothingActn", "InverseXActn", "InverseYActn", "SetXShiftActn",
                        "SemiintegralActn", "LgiActn"}) {
    a.adopt(n);
  }
  auto on = [this](const char* name, auto&& fn) { connect(window_.action(name), &QAction::triggered, this, fn); };
  on("UndoActn", [this] { Undo(); });
  on("RedoActn", [this] { Redo(); });
  on("SmoothingActn", [this] { Smooth(); });
  on("InverseXActn", [this] { Invert(MainActions::tag(window_.action("InverseXActn"))); });
  on("InverseYActn", [this] { Invert(MainActions::tag(window_.action("InverseYActn"))); });
  on("SetXShiftActn", [this] { SetXShift(); });
  connect(window_.action("SemiintegralActn"), &QAction::toggled, this, [this](bool v) { SetSemiIntegralMode(v); });
  connect(window_.action("LgiActn"), &QAction::toggled, this, [this](bool v) { SetSemilogMode(v); });

  // The smoothing filter value sits next to the command on the tool bar.
  filterBox_ = new QSpinBox(&window_);
  filterBox_->setObjectName(QStringLiteral("FilterValueEdit"));
  filterBox_->setRange(0, kMaxFilterValue);
  filterBox_->setValue(std::clamp(settings_.options().filter, 0, kMaxFilterValue));
  connect(filterBox_, &QSpinBox::valueChanged, this, [this](int v) { settings_.options().filter = v; });
  if (auto* bar = window_.findChild<QToolBar*>(QStringLiteral("ToolBar1"))) {
    bar->addSeparator();
    bar->addAction(window_.action("SmoothingActn"));
    bar->addWidget(filterBox_);
  }

  window_.installEventFilter(this);
  retranslate();
}

CurveCommands::~CurveCommands() {
  // The recorder leaves the document while both still exist.
  if (tree_) undo_.AttachView(nullptr);
}

void CurveCommands::applySettings() {
  filterBox_->setValue(std::clamp(settings_.options().filter, 0, kMaxFilterValue));
}

bool CurveCommands::eventFilter(QObject* watched, QEvent* event) {
  // After the window has re-read the action captions.
  if (watched == &window_ && event->type() == QEvent::LanguageChange) {
    QMetaObject::invokeMethod(
        this, [this] { retranslate(); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void CurveCommands::retranslate() {
  filterBox_->setToolTip(tr("Smoothing filter value"));
  filterBox_->setStatusTip(filterBox_->toolTip());
  updateUndoActions();
}

void CurveCommands::updateUndoActions() {
  auto update = [this](const char* name, const QString& word, const std::string& description) {
    QAction* act = window_.action(name);
    const QString caption = description.empty()
                                ? word
                                : QStringLiteral("%1 \"%2\"").arg(word, UiText::message(Message(description.c_str())));
    act->setText(caption);
    act->setToolTip(caption);
    act->setStatusTip(caption);
    window_.actions().setEnabled(name, !description.empty());
  };
  update("UndoActn", tr("Undo"), undo_.UndoDescription());
  update("RedoActn", tr("Redo"), undo_.RedoDescription());
}

void CurveCommands::reportError(const std::exception& e) {
  PlainMessageBox::critical(&window_, UiText::message(Message(msg::AppTitle)), QString::fromUtf8(e.what()));
}

// --- Targets ---------------------------------------------------------------------

std::vector<TArrayDataStruct*> CurveCommands::targets() const {
  std::vector<TArrayDataStruct*> out;
  std::unordered_set<const TArrayDataStruct*> seen;
  for (const TTableContent& c : window_.chartView().DisplayedCurves()) {
    if (!c.Curve) continue;
    for (TArrayDataStruct* leaf : c.Curve->EditTargets()) {
      if (seen.insert(leaf).second) out.push_back(leaf);
    }
  }
  return out;
}

// --- Point edits -------------------------------------------------------------------

void CurveCommands::editPoints(const std::function<TDataArr(const TDataArr&)>& edit, bool busy) {
  const std::vector<TArrayDataStruct*> curves = targets();
  if (curves.empty()) return;
  std::vector<const TDataArr*> inputs;
  std::size_t points = 0;
  for (const TArrayDataStruct* c : curves) {
    inputs.push_back(&c->Data);
    points += c->Data.size();
  }
  std::optional<std::vector<TDataArr>> results;
  try {
    if (points >= kBackgroundPoints) {
      // The curves' points are read in place: nothing can change them while
      // the user's input waits for the work.
      BackgroundTask::Run(&window_, tr("Processing curves..."), [&](BackgroundTask::Progress& progress) {
        progress.setTotal(inputs.size());
        results = CurveEdits::Compute(inputs, edit, &progress.cancelFlag(), &progress.counter());
      });
    } else {
      BusyCursor cursor(busy);
      results = CurveEdits::Compute(inputs, edit);
    }
  } catch (const std::exception& e) {
    reportError(e);
    return;
  }
  if (!results) return;
  BusyCursor cursor(busy);
  try {
    TPaintingGuard painting(window_.forest());
    undo_.BeginDataMultiChange();
    CommitGuard commit([this] { undo_.CommitDataMultiChange(); });
    CurveEdits::Put(curves, std::move(*results));
  } catch (const std::exception& e) {
    window_.setModified(true);
    reportError(e);
    return;
  }
  window_.setModified(true);
}

void CurveCommands::Smooth() {
  const int window = filterBox_->value();
  editPoints([window](const TDataArr& p) { return velmora::Smooth(p, window); }, false);
}

void CurveCommands::Invert(int axis) {
  if (axis != 0 && axis != 1) return;
  const InvertAxis which = axis == 0 ? InvertAxis::X : InvertAxis::Y;
  editPoints([which](const TDataArr& p) { return velmora::Invert(p, which); }, true);
}

// --- Potential shift -----------------------------------------------------------------

void CurveCommands::SetXShift() {
  const std::vector<TArrayDataStruct*> curves = targets();
  if (curves.empty()) return;
  // The suggestion is the shift every displayed curve shares.
  std::vector<double> shifts;
  for (const TTableContent& c : window_.chartView().DisplayedCurves()) {
    if (c.Curve) shifts.push_back(c.Curve->GetXShift());
  }
  const std::optional<double> shared = SharedXShift(shifts);
  const QString suggestion = shared ? UiText::fromStd(NumberFormat::Exact(*shared)) : QString();
  QString text;
  bool confirmed = false;
  if (askText) {
    confirmed = askText(suggestion, text);
  } else {
    text = QInputDialog::getText(&window_, tr("Enter the potential shift"), QString(), QLineEdit::Normal, suggestion,
                                 &confirmed);
  }
  if (!confirmed) return;
  // "." is the separator whatever the locale; anything else is no number.
  const std::optional<double> value = ParseXShift(UiText::toStd(text.trimmed()));
  if (!value) return;
  ApplyXShift(*value);
}

void CurveCommands::ApplyXShift(double shift) {
  const std::vector<TArrayDataStruct*> curves = targets();
  if (curves.empty()) return;
  try {
    TPaintingGuard painting(window_.forest());
    undo_.BeginXShift();
    CommitGuard commit([this] { undo_.CommitXShift(); });
    for (TArrayDataStruct* c : curves) c->SetXShift(shift);
  } catch (const std::exception& e) {
    window_.setModified(true);
    reportError(e);
    return;
  }
  window_.setModified(true);
}

// --- Display modes -------------------------------------------------------------------

void CurveCommands::SetSemiIntegralMode(bool on) { switchMode(true, on); }

void CurveCommands::SetSemilogMode(bool on) { switchMode(false, on); }

void CurveCommands::switchMode(bool semiIntegral, bool on) {
  QAction* act = window_.action(semiIntegral ? "SemiintegralActn" : "LgiActn");
  if (act->isChecked() != on) {
    act->setChecked(on);  // comes back here through toggled
    return;
  }
  BusyCursor cursor(true);
  TImagePreviewBox& tree = window_.tree();
  tree.setEnabled(false);
  try {
    if (semiIntegral)
      window_.forest().SetSemiIntegralMode(on);
    else
      window_.forest().SetSemilogMode(on);
  } catch (const std::exception&) {
    // A curve that cannot be shown this way keeps what it showed.
  }
  tree.setEnabled(true);
  window_.chartView().scheduleRedraw();
}

// --- Undo and redo -------------------------------------------------------------------

void CurveCommands::Undo() {
  if (!undo_.CanUndo()) return;
  try {
    undo_.Undo();
  } catch (const std::exception& e) {
    reportError(e);
  }
  window_.setModified(true);
  window_.updateActions();
}

void CurveCommands::Redo() {
  if (!undo_.CanRedo()) return;
  try {
    undo_.Redo();
  } catch (const std::exception& e) {
    reportError(e);
  }
  window_.setModified(true);
  window_.updateActions();
}

}  // namespace velmora
