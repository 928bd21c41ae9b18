#include "MainActions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>

#include "ActionIcons.h"

namespace velmora {

namespace {

using Cat = MainActions::Category;

enum Flag : unsigned {
  None = 0,
  Checkable = 1u << 0,
  Available = 1u << 1,  // the command works in this build
  Hidden = 1u << 2,
  Checked = 1u << 3,
};

}  // namespace

struct MainActions::Entry {
  const char* name;
  const char* caption;
  const char* shortcut;
  Cat category;
  int tag;
  const char* group;  // exclusive check group, or null
  unsigned flags;
  ActionIcons::Kind icon;
};

namespace {

#define TXT(s) QT_TRANSLATE_NOOP("MainActions", s)
using I = ActionIcons::Kind;

// clang-format off
constexpr MainActions::Entry kEntries[] = {
  // File
  {"NewActn", TXT("&New"), "Ctrl+N", Cat::File, -1, nullptr, Available, I::New},
  {"OpenActn", TXT("&Open"), "Ctrl+O", Cat::File, -1, nullptr, None, I::Open},
  {"AppendFileActn", TXT("Append File"), nullptr, Cat::File, -1, nullptr, None, I::AppendFile},
  {"RecentFilesActn", TXT("&Recent files"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"SaveActn", TXT("&Save"), "Ctrl+S", Cat::File, -1, nullptr, None, I::Save},
  {"SaveAsActn", TXT("Save as..."), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ImportActn", TXT("Data import"), "Ctrl+I", Cat::File, -1, nullptr, None, I::Import},
  {"ExportToFileActn", TXT("&Export chart to file"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ExportImportActn", TXT("&Export &&import"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ReportActn", TXT("Print"), "Ctrl+P", Cat::File, -1, nullptr, None, I::Print},
  {"PrintCalibrationActn", TXT("Print"), nullptr, Cat::File, -1, nullptr, None, I::Print},
  {"ExitActn", TXT("E&xit"), nullptr, Cat::File, -1, nullptr, Available, I::None},
  // Edit
  {"UndoActn", TXT("Undo"), "Ctrl+Z", Cat::Edit, -1, nullptr, None, I::Undo},
  {"RedoActn", TXT("Redo"), "Ctrl+Shift+Z", Cat::Edit, -1, nullptr, None, I::Redo},
  {"RenameActn", TXT("&Rename"), "F2", Cat::Edit, -1, nullptr, Available, I::Rename},
  {"NodeTypeActn", TXT("Node &type"), nullptr, Cat::Edit, -1, nullptr, Available, I::None},
  {"NodeTypeSummActn", TXT("&Averaging"), nullptr, Cat::Edit, 0, "NodeType", Available | Checkable, I::None},
  {"NodeTypeOverlayActn", TXT("Overlay"), nullptr, Cat::Edit, 1, "NodeType", Available | Checkable, I::None},
  {"NodeTypeSummAndOverlayActn", TXT("Average and overlay"), nullptr, Cat::Edit, 2, "NodeType", Available | Checkable, I::None},
  {"SummActn", TXT("Group nodes"), "Ctrl+Shift+G", Cat::Edit, -1, nullptr, Available, I::Group},
  {"UnSummActn", TXT("Separate nodes"), "Ctrl+Shift+U", Cat::Edit, -1, nullptr, Available, I::Ungroup},
  {"MoveUpActn", TXT("Move &Up"), nullptr, Cat::Edit, -1, nullptr, Available, I::MoveUp},
  {"MoveDownActn", TXT("Move &down"), nullptr, Cat::Edit, -1, nullptr, Available, I::MoveDown},
  {"DeleteActn", TXT("Remove selected"), "Shift+Del", Cat::Edit, -1, nullptr, Available, I::Delete},
  {"SelectAllActn", TXT("Select all"), "Ctrl+A", Cat::Edit, -1, nullptr, Available, I::None},
  {"FoldAllActn", TXT("Fold all nodes"), nullptr, Cat::Edit, -1, nullptr, Available, I::Fold},
  {"UnfoldAllActn", TXT("Unfold all nodes"), nullptr, Cat::Edit, -1, nullptr, Available, I::Unfold},
  {"FindPairsActn", TXT("Tree &auto creation"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"InverseXActn", TXT("Inverse by X"), nullptr, Cat::Edit, 0, nullptr, None, I::None},
  {"InverseYActn", TXT("Inverse by Y"), nullptr, Cat::Edit, 1, nullptr, None, I::None},
  {"SetXShiftActn", TXT("Set potential shift"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"SetXShiftByPeakActn", TXT("Set peak potential"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"SmoothingActn", TXT("Smoothing"), nullptr, Cat::Edit, -1, nullptr, None, I::Smooth},
  {"CopyChartToClpbrdActn", TXT("Copy chart to clipboard"), "Ctrl+Shift+C", Cat::Edit, -1, nullptr, None, I::Copy},
  {"CopyCalcChartToClpbrdActn", TXT("Copy calculation chart to clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"StubCopyCalcChartActnActn", TXT("Copy chart"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"CopyCalcGridToClipBrdActn", TXT("Copy selection to Clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"PasteClpBrdToGridActn", TXT("Paste data from clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  // View
  {"FitImageActn", TXT("&Fit image"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::Fit},
  {"PaintXAxisActn", TXT("Paint &X-axis"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::XAxis},
  {"PaintYAxisActn", TXT("Paint &Y-axis"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::YAxis},
  {"PaintGridActn", TXT("Paint &grid"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::Grid},
  {"PaintCaptionsActn", TXT("Paint &captions"), nullptr, Cat::View, -1, nullptr, Available, I::Captions},
  {"PaintCaptionsStubActn", TXT("Paint &captions"), nullptr, Cat::View, -1, nullptr, Available, I::Captions},
  {"NameHideActn", TXT("Hide names"), nullptr, Cat::View, 1, "CaptionMode", Available | Checkable, I::None},
  {"NameCommentsActn", TXT("Show comments"), nullptr, Cat::View, 2, "CaptionMode", Available | Checkable, I::None},
  {"NameNameActn", TXT("Show database name"), nullptr, Cat::View, 3, "CaptionMode", Available | Checkable, I::None},
  {"NameTypeActn", TXT("Show measurement types"), nullptr, Cat::View, 4, "CaptionMode", Available | Checkable, I::None},
  {"ShowLegendActn", TXT("&Legend"), nullptr, Cat::View, -1, nullptr, Available, I::Legend},
  {"ShowLegendStubActn", TXT("&Legend"), nullptr, Cat::View, -1, nullptr, Available, I::Legend},
  {"ShowLegendNoneActn", TXT("&None"), nullptr, Cat::View, 0, "Legend", Available | Checkable, I::None},
  {"ShowLegendRightActn", TXT("&Right"), nullptr, Cat::View, 1, "Legend", Available | Checkable, I::None},
  {"ShowLegendLeftActn", TXT("&Left"), nullptr, Cat::View, 2, "Legend", Available | Checkable, I::None},
  {"ShowLegendTopActn", TXT("&Top"), nullptr, Cat::View, 3, "Legend", Available | Checkable, I::None},
  {"ShowLegendBottomActn", TXT("&Bottom"), nullptr, Cat::View, 4, "Legend", Available | Checkable, I::None},
  {"Show3DActn", TXT("Show 3D chart"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ShowPeakBordersActn", TXT("Show peak borders"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ShowEachBorderActn", TXT("Show each peak border"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"Show3DCurvesActn", TXT("Show 3D curves for peaks"), nullptr, Cat::View, -1, nullptr, Checkable | Hidden, I::None},
  {"ShowPeakHintActn", TXT("Show Peak info"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ChartBackgroundActn", TXT("Chart &background"), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::Background},
  {"BandWChartActn", TXT("Black&&white chart"), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::BlackWhite},
  {"UnzoomActn", TXT("Undo zoom"), nullptr, Cat::View, -1, nullptr, None, I::Unzoom},
  {"ShowTimerActn", TXT("Show timer"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"PropertiesActn", TXT("Properties..."), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::Properties},
  // Tools
  {"LanguageActn", TXT("Language"), nullptr, Cat::Tools, -1, nullptr, Available, I::None},
  {"RusLangActn", TXT("Russian"), nullptr, Cat::Tools, 1049, "Language", Checkable, I::None},
  {"EnuLangActn", TXT("English"), nullptr, Cat::Tools, 1033, "Language", Checkable | Checked, I::None},
  {"SemiintegralActn", TXT("Semi-integral"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"LgiActn", TXT("Semilogarithmic coordinates"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"ExportChartToExcelActn", TXT("Export chart to MS Excel"), nullptr, Cat::Tools, -1, nullptr, None, I::None},
  {"SettingsActn", TXT("Settings..."), nullptr, Cat::Tools, -1, nullptr, None, I::Settings},
  {"ModelingActn", TXT("Signal modeling"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"MeasurmentActn", TXT("Measure"), nullptr, Cat::Tools, -1, nullptr, None, I::None},
  {"DebugActn", TXT("Debug"), nullptr, Cat::Tools, -1, nullptr, Hidden, I::None},
  // Device
  {"ResetActn", TXT("Reset &device"), nullptr, Cat::Device, -1, nullptr, None, I::Reset},
  {"RecordWizardActn", TXT("&Record parameters"), nullptr, Cat::Device, -1, nullptr, None, I::RecordParams},
  {"RecordActn", TXT("&Start record"), nullptr, Cat::Device, 0, nullptr, None, I::Record},
  {"RunFromCurrentActn", TXT("Start from &current step"), nullptr, Cat::Device, 3, nullptr, None, I::None},
  {"ScriptActn", TXT("Run script"), nullptr, Cat::Device, 2, nullptr, Hidden, I::None},
  {"SamplerStartActn", TXT("Run"), nullptr, Cat::Device, 1, nullptr, None, I::None},
  {"PauseActn", TXT("&Pause"), nullptr, Cat::Device, -1, nullptr, None, I::Pause},
  {"StopActn", TXT("&Stop"), "Ctrl+T", Cat::Device, -1, nullptr, None, I::Stop},
  {"MixerOnOffActn", TXT("Turn on/off the mixer "), nullptr, Cat::Device, -1, nullptr, None, I::Mixer},
  {"SamplerPositionActn", TXT("Set sampler position"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  {"SamplerZondDownActn", TXT("Electrode down"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  {"SamplerZondUpActn", TXT("Electrode up"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  // Calculations
  {"PeaksTreatmentActn", TXT("Calculations"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::Calculations},
  {"ChangePeakCalculationTypeActn", TXT("Change peak calculation type"), nullptr, Cat::Calculations, 1, nullptr, None, I::None},
  {"CalcByHeightActn", TXT("Calculate peaks by amplitude"), nullptr, Cat::Calculations, 0, "CalcType", Checkable, I::None},
  {"CalcBySquareActn", TXT("Calculate peaks by square"), nullptr, Cat::Calculations, 1, "CalcType", Checkable | Checked, I::None},
  {"CalcByMinMaxActn", TXT("Calculate peaks by the difference of minimum and maximum"), nullptr, Cat::Calculations, 2, "CalcType", Checkable, I::None},
  {"CalcByMinMaxWLinesActn", TXT("Calculate peaks by the difference of minimum and maximum with bilinear correction"), nullptr, Cat::Calculations, 3, "CalcType", Checkable, I::None},
  {"CalcIntersectionActn", TXT("Turning points search"), nullptr, Cat::Calculations, 4, "CalcType", Checkable, I::None},
  {"CalcPotDiffActn", TXT("Calculate Red/Ox peaks difference on CVA"), nullptr, Cat::Calculations, 5, "CalcType", Checkable, I::None},
  {"CalcLinSlopeActn", TXT("Wave linearization"), nullptr, Cat::Calculations, 6, "CalcType", Checkable, I::None},
  {"CalcByMinMaxWLines2Actn", TXT("Calculate peaks by the difference of minimum and maximum with linear correction"), nullptr, Cat::Calculations, 7, "CalcType", Checkable, I::None},
  {"ChangeBaseLineTypeActn", TXT("Change baseline type"), nullptr, Cat::Calculations, 0, nullptr, None, I::None},
  {"BaseLineLineActn", TXT("Linear baseline approximation"), nullptr, Cat::Calculations, 0, "BaseLine", Checkable | Checked, I::None},
  {"BaseLinePolyActn", TXT("Spline baseline approximation"), nullptr, Cat::Calculations, 1, "BaseLine", Checkable, I::None},
  {"SetPeakBordersActn", TXT("Peaks marking"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::Peaks},
  {"AddCellActn", TXT("Add cell"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"AddPeakActn", TXT("Add peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveCellActn", TXT("Remove cell"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemovePeakActn", TXT("Remove peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RenamePeakActn", TXT("Rename peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"PeaksAutoSearchActn", TXT("Peaks auto search"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"StatActn", TXT("Calculations chart"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::None},
  {"EqEditorActn", TXT("Equation editor..."), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"SubtractionActn", TXT("Subtraction"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::None},
  {"AddToReportActn", TXT("Add to report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"SaveReportActn", TXT("Save report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveReportActn", TXT("Remove report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"ClearReportActn", TXT("Clear report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveElementFromReportActn", TXT("Remove element from report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"ShowCalibrationsActn", TXT("Calibrations base..."), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::None},
  {"SaveCalibrationActn", TXT("Save calibration"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveCalibrationActn", TXT("Remove calibration"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"IncludeZeroPointActn", TXT("Include zero point"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::None},
  {"EditCalculationStatisticsActn", TXT("Calculation statistics..."), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  // Methods
  {"ClearMethodActn", TXT("Clear method"), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"AutosamplerActn", TXT("Autosampler"), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"CreateMethodActn", TXT("Methods editor..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"MethodScriptEditorActn", TXT("Method script editor..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"ShowWizActn", TXT("Measurement wizard..."), nullptr, Cat::Methods, -1, nullptr, None, I::Wizard},
  {"AssemblyAcnt", TXT("Assembly assistant..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  // Help
  {"HelpContextActn", TXT("&Help Context"), "F1", Cat::Help, -1, nullptr, None, I::Help},
  {"CheckUpdateActn", TXT("Check for updates"), nullptr, Cat::Help, -1, nullptr, None, I::None},
  {"AboutActn", TXT("&About..."), nullptr, Cat::Help, -1, nullptr, Available, I::None},
};
// clang-format on
#undef TXT

constexpr const char* kPending = "velmoraPending";

}  // namespace

MainActions::MainActions(QObject* parent) : QObject(parent) { create(); }

void MainActions::create() {
  for (int i = 0; i < static_cast<int>(std::size(kEntries)); ++i) {
    const Entry& e = kEntries[i];
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(e.name));
    if (e.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
    a->setData(e.tag);
    a->setCheckable((e.flags & Checkable) != 0);
    a->setChecked((e.flags & Checked) != 0);
    a->setVisible((e.flags & Hidden) == 0);
    const bool available = (e.flags & Available) != 0;
    a->setProperty(kPending, !available);
    a->setEnabled(available);
    if (e.icon != ActionIcons::Kind::None) a->setIcon(ActionIcons::icon(e.icon));
    if (e.group) {
      const QString g = QString::fromLatin1(e.group);
      QActionGroup*& group = groups_[g];
      if (!group) {
        group = new QActionGroup(this);
        group->setObjectName(g);
        group->setExclusive(true);
      }
      group->addAction(a);
    }
    all_.append(a);
    byName_.insert(a->objectName(), a);
    entryIndex_.insert(a, i);
  }
  retranslate();
}

QAction* MainActions::action(const char* name) const { return byName_.value(QString::fromLatin1(name)); }

QList<QAction*> MainActions::category(Category category) const {
  QList<QAction*> out;
  for (QAction* a : all_) {
    if (kEntries[entryIndex_.value(a)].category == category) out.append(a);
  }
  return out;
}

MainActions::Category MainActions::categoryOf(const QAction* action) const {
  return kEntries[entryIndex_.value(action)].category;
}

int MainActions::tag(const QAction* action) {
  bool ok = false;
  const int t = action ? action->data().toInt(&ok) : -1;
  return ok ? t : -1;
}

void MainActions::adopt(const char* name) {
  if (QAction* a = action(name)) {
    a->setProperty(kPending, false);
    a->setEnabled(true);
  }
}

bool MainActions::isAvailable(const QAction* action) const { return action && !action->property(kPending).toBool(); }

void MainActions::setEnabled(const char* name, bool enabled) {
  QAction* a = action(name);
  if (a && isAvailable(a)) a->setEnabled(enabled);
}

void MainActions::retranslate() {
  for (QAction* a : all_) {
    const Entry& e = kEntries[entryIndex_.value(a)];
    const QString text = QCoreApplication::translate("MainActions", e.caption);
    a->setText(text);
    QString hint = text;
    hint.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    hint.remove(u'&');
    hint.replace(u'\x01', u'&');
    if (!a->shortcut().isEmpty()) {
      a->setToolTip(QStringLiteral("%1 (%2)").arg(hint, a->shortcut().toString(QKeySequence::NativeText)));
    } else {
      a->setToolTip(hint);
    }
    a->setStatusTip(hint);
  }
}

}  // namespace velmora
