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

using I = ActionIcons::Kind;

// clang-format off
constexpr MainActions::Entry kEntries[] = {
  // File
  {"NewActn", QT_TRANSLATE_NOOP("MainActions", "&New"), "Ctrl+N", Cat::File, -1, nullptr, Available, I::New},
  {"OpenActn", QT_TRANSLATE_NOOP("MainActions", "&Open"), "Ctrl+O", Cat::File, -1, nullptr, None, I::Open},
  {"AppendFileActn", QT_TRANSLATE_NOOP("MainActions", "Append File"), nullptr, Cat::File, -1, nullptr, None, I::AppendFile},
  {"RecentFilesActn", QT_TRANSLATE_NOOP("MainActions", "&Recent files"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"SaveActn", QT_TRANSLATE_NOOP("MainActions", "&Save"), "Ctrl+S", Cat::File, -1, nullptr, None, I::Save},
  {"SaveAsActn", QT_TRANSLATE_NOOP("MainActions", "Save as..."), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ImportActn", QT_TRANSLATE_NOOP("MainActions", "Data import"), "Ctrl+I", Cat::File, -1, nullptr, None, I::Import},
  {"ExportToFileActn", QT_TRANSLATE_NOOP("MainActions", "&Export chart to file"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ExportImportActn", QT_TRANSLATE_NOOP("MainActions", "&Export &&import"), nullptr, Cat::File, -1, nullptr, None, I::None},
  {"ReportActn", QT_TRANSLATE_NOOP("MainActions", "Print"), "Ctrl+P", Cat::File, -1, nullptr, None, I::Print},
  {"PrintCalibrationActn", QT_TRANSLATE_NOOP("MainActions", "Print"), nullptr, Cat::File, -1, nullptr, None, I::Print},
  {"ExitActn", QT_TRANSLATE_NOOP("MainActions", "E&xit"), nullptr, Cat::File, -1, nullptr, Available, I::None},
  // Edit
  {"UndoActn", QT_TRANSLATE_NOOP("MainActions", "Undo"), "Ctrl+Z", Cat::Edit, -1, nullptr, None, I::Undo},
  {"RedoActn", QT_TRANSLATE_NOOP("MainActions", "Redo"), "Ctrl+Shift+Z", Cat::Edit, -1, nullptr, None, I::Redo},
  {"RenameActn", QT_TRANSLATE_NOOP("MainActions", "&Rename"), "F2", Cat::Edit, -1, nullptr, Available, I::Rename},
  {"NodeTypeActn", QT_TRANSLATE_NOOP("MainActions", "Node &type"), nullptr, Cat::Edit, -1, nullptr, Available, I::None},
  {"NodeTypeSummActn", QT_TRANSLATE_NOOP("MainActions", "&Averaging"), nullptr, Cat::Edit, 0, "NodeType", Available | Checkable, I::None},
  {"NodeTypeOverlayActn", QT_TRANSLATE_NOOP("MainActions", "Overlay"), nullptr, Cat::Edit, 1, "NodeType", Available | Checkable, I::None},
  {"NodeTypeSummAndOverlayActn", QT_TRANSLATE_NOOP("MainActions", "Average and overlay"), nullptr, Cat::Edit, 2, "NodeType", Available | Checkable, I::None},
  {"SummActn", QT_TRANSLATE_NOOP("MainActions", "Group nodes"), "Ctrl+Shift+G", Cat::Edit, -1, nullptr, Available, I::Group},
  {"UnSummActn", QT_TRANSLATE_NOOP("MainActions", "Separate nodes"), "Ctrl+Shift+U", Cat::Edit, -1, nullptr, Available, I::Ungroup},
  {"MoveUpActn", QT_TRANSLATE_NOOP("MainActions", "Move &Up"), nullptr, Cat::Edit, -1, nullptr, Available, I::MoveUp},
  {"MoveDownActn", QT_TRANSLATE_NOOP("MainActions", "Move &down"), nullptr, Cat::Edit, -1, nullptr, Available, I::MoveDown},
  {"DeleteActn", QT_TRANSLATE_NOOP("MainActions", "Remove selected"), "Shift+Del", Cat::Edit, -1, nullptr, Available, I::Delete},
  {"SelectAllActn", QT_TRANSLATE_NOOP("MainActions", "Select all"), "Ctrl+A", Cat::Edit, -1, nullptr, Available, I::None},
  {"FoldAllActn", QT_TRANSLATE_NOOP("MainActions", "Fold all nodes"), nullptr, Cat::Edit, -1, nullptr, Available, I::Fold},
  {"UnfoldAllActn", QT_TRANSLATE_NOOP("MainActions", "Unfold all nodes"), nullptr, Cat::Edit, -1, nullptr, Available, I::Unfold},
  {"FindPairsActn", QT_TRANSLATE_NOOP("MainActions", "Tree &auto creation"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"InverseXActn", QT_TRANSLATE_NOOP("MainActions", "Inverse by X"), nullptr, Cat::Edit, 0, nullptr, None, I::None},
  {"InverseYActn", QT_TRANSLATE_NOOP("MainActions", "Inverse by Y"), nullptr, Cat::Edit, 1, nullptr, None, I::None},
  {"SetXShiftActn", QT_TRANSLATE_NOOP("MainActions", "Set potential shift"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"SetXShiftByPeakActn", QT_TRANSLATE_NOOP("MainActions", "Set peak potential"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"SmoothingActn", QT_TRANSLATE_NOOP("MainActions", "Smoothing"), nullptr, Cat::Edit, -1, nullptr, None, I::Smooth},
  {"CopyChartToClpbrdActn", QT_TRANSLATE_NOOP("MainActions", "Copy chart to clipboard"), "Ctrl+Shift+C", Cat::Edit, -1, nullptr, None, I::Copy},
  {"CopyCalcChartToClpbrdActn", QT_TRANSLATE_NOOP("MainActions", "Copy calculation chart to clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"StubCopyCalcChartActnActn", QT_TRANSLATE_NOOP("MainActions", "Copy chart"), nullptr, Cat::Edit, -1, nullptr, None, I::None},
  {"CopyCalcGridToClipBrdActn", QT_TRANSLATE_NOOP("MainActions", "Copy selection to Clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::Copy},
  {"PasteClpBrdToGridActn", QT_TRANSLATE_NOOP("MainActions", "Paste data from clipboard"), nullptr, Cat::Edit, -1, nullptr, None, I::Paste},
  // View
  {"FitImageActn", QT_TRANSLATE_NOOP("MainActions", "&Fit image"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::Fit},
  {"PaintXAxisActn", QT_TRANSLATE_NOOP("MainActions", "Paint &X-axis"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::XAxis},
  {"PaintYAxisActn", QT_TRANSLATE_NOOP("MainActions", "Paint &Y-axis"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::YAxis},
  {"PaintGridActn", QT_TRANSLATE_NOOP("MainActions", "Paint &grid"), nullptr, Cat::View, -1, nullptr, Available | Checkable | Checked, I::Grid},
  {"PaintCaptionsActn", QT_TRANSLATE_NOOP("MainActions", "Paint &captions"), nullptr, Cat::View, -1, nullptr, Available, I::Captions},
  {"PaintCaptionsStubActn", QT_TRANSLATE_NOOP("MainActions", "Paint &captions"), nullptr, Cat::View, -1, nullptr, Available, I::Captions},
  {"NameHideActn", QT_TRANSLATE_NOOP("MainActions", "Hide names"), nullptr, Cat::View, 1, "CaptionMode", Available | Checkable, I::None},
  {"NameCommentsActn", QT_TRANSLATE_NOOP("MainActions", "Show comments"), nullptr, Cat::View, 2, "CaptionMode", Available | Checkable, I::None},
  {"NameNameActn", QT_TRANSLATE_NOOP("MainActions", "Show database name"), nullptr, Cat::View, 3, "CaptionMode", Available | Checkable, I::None},
  {"NameTypeActn", QT_TRANSLATE_NOOP("MainActions", "Show measurement types"), nullptr, Cat::View, 4, "CaptionMode", Available | Checkable, I::None},
  {"ShowLegendActn", QT_TRANSLATE_NOOP("MainActions", "&Legend"), nullptr, Cat::View, -1, nullptr, Available, I::Legend},
  {"ShowLegendStubActn", QT_TRANSLATE_NOOP("MainActions", "&Legend"), nullptr, Cat::View, -1, nullptr, Available, I::Legend},
  {"ShowLegendNoneActn", QT_TRANSLATE_NOOP("MainActions", "&None"), nullptr, Cat::View, 0, "Legend", Available | Checkable, I::None},
  {"ShowLegendRightActn", QT_TRANSLATE_NOOP("MainActions", "&Right"), nullptr, Cat::View, 1, "Legend", Available | Checkable, I::None},
  {"ShowLegendLeftActn", QT_TRANSLATE_NOOP("MainActions", "&Left"), nullptr, Cat::View, 2, "Legend", Available | Checkable, I::None},
  {"ShowLegendTopActn", QT_TRANSLATE_NOOP("MainActions", "&Top"), nullptr, Cat::View, 3, "Legend", Available | Checkable, I::None},
  {"ShowLegendBottomActn", QT_TRANSLATE_NOOP("MainActions", "&Bottom"), nullptr, Cat::View, 4, "Legend", Available | Checkable, I::None},
  {"Show3DActn", QT_TRANSLATE_NOOP("MainActions", "Show 3D chart"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ShowPeakBordersActn", QT_TRANSLATE_NOOP("MainActions", "Show peak borders"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ShowEachBorderActn", QT_TRANSLATE_NOOP("MainActions", "Show each peak border"), nullptr, Cat::View, -1, nullptr, Checkable | Hidden, I::None},
  {"Show3DCurvesActn", QT_TRANSLATE_NOOP("MainActions", "Show 3D curves for peaks"), nullptr, Cat::View, -1, nullptr, Checkable | Hidden, I::None},
  {"ShowPeakHintActn", QT_TRANSLATE_NOOP("MainActions", "Show Peak info"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"ChartBackgroundActn", QT_TRANSLATE_NOOP("MainActions", "Chart &background"), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::Background},
  {"BandWChartActn", QT_TRANSLATE_NOOP("MainActions", "Black&&white chart"), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::BlackWhite},
  {"UnzoomActn", QT_TRANSLATE_NOOP("MainActions", "Undo zoom"), nullptr, Cat::View, -1, nullptr, None, I::Unzoom},
  {"ShowTimerActn", QT_TRANSLATE_NOOP("MainActions", "Show timer"), nullptr, Cat::View, -1, nullptr, Checkable, I::None},
  {"PropertiesActn", QT_TRANSLATE_NOOP("MainActions", "Properties..."), nullptr, Cat::View, -1, nullptr, Available | Checkable, I::Properties},
  // Tools
  {"LanguageActn", QT_TRANSLATE_NOOP("MainActions", "Language"), nullptr, Cat::Tools, -1, nullptr, Available, I::None},
  {"RusLangActn", QT_TRANSLATE_NOOP("MainActions", "Russian"), nullptr, Cat::Tools, 1049, "Language", Checkable, I::None},
  {"EnuLangActn", QT_TRANSLATE_NOOP("MainActions", "English"), nullptr, Cat::Tools, 1033, "Language", Checkable | Checked, I::None},
  {"SemiintegralActn", QT_TRANSLATE_NOOP("MainActions", "Semi-integral"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"LgiActn", QT_TRANSLATE_NOOP("MainActions", "Semilogarithmic coordinates"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"ExportChartToExcelActn", QT_TRANSLATE_NOOP("MainActions", "Export chart to MS Excel"), nullptr, Cat::Tools, -1, nullptr, None, I::None},
  {"SettingsActn", QT_TRANSLATE_NOOP("MainActions", "Settings..."), nullptr, Cat::Tools, -1, nullptr, None, I::Settings},
  {"ModelingActn", QT_TRANSLATE_NOOP("MainActions", "Signal modeling"), nullptr, Cat::Tools, -1, nullptr, Checkable, I::None},
  {"DebugActn", QT_TRANSLATE_NOOP("MainActions", "Debug"), nullptr, Cat::Tools, -1, nullptr, Hidden, I::None},
  // Device
  {"ResetActn", QT_TRANSLATE_NOOP("MainActions", "Reset &device"), nullptr, Cat::Device, -1, nullptr, None, I::Reset},
  {"RecordWizardActn", QT_TRANSLATE_NOOP("MainActions", "&Record parameters"), nullptr, Cat::Device, -1, nullptr, None, I::RecordParams},
  {"RecordActn", QT_TRANSLATE_NOOP("MainActions", "&Start record"), nullptr, Cat::Device, 0, nullptr, None, I::Record},
  {"RunFromCurrentActn", QT_TRANSLATE_NOOP("MainActions", "Start from &current step"), nullptr, Cat::Device, 3, nullptr, None, I::None},
  {"ScriptActn", QT_TRANSLATE_NOOP("MainActions", "Run script"), nullptr, Cat::Device, 2, nullptr, Hidden, I::None},
  {"SamplerStartActn", QT_TRANSLATE_NOOP("MainActions", "Run"), nullptr, Cat::Device, 1, nullptr, None, I::None},
  {"PauseActn", QT_TRANSLATE_NOOP("MainActions", "&Pause"), nullptr, Cat::Device, -1, nullptr, None, I::Pause},
  {"StopActn", QT_TRANSLATE_NOOP("MainActions", "&Stop"), "Ctrl+T", Cat::Device, -1, nullptr, None, I::Stop},
  {"MixerOnOffActn", QT_TRANSLATE_NOOP("MainActions", "Turn on/off the mixer "), nullptr, Cat::Device, -1, nullptr, None, I::Mixer},
  {"SamplerPositionActn", QT_TRANSLATE_NOOP("MainActions", "Set sampler position"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  {"SamplerZondDownActn", QT_TRANSLATE_NOOP("MainActions", "Electrode down"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  {"SamplerZondUpActn", QT_TRANSLATE_NOOP("MainActions", "Electrode up"), nullptr, Cat::Device, -1, nullptr, None, I::None},
  // Calculations
  {"PeaksTreatmentActn", QT_TRANSLATE_NOOP("MainActions", "Calculations"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::Calculations},
  {"ChangePeakCalculationTypeActn", QT_TRANSLATE_NOOP("MainActions", "Change peak calculation type"), nullptr, Cat::Calculations, 1, nullptr, None, I::PeakCalcType},
  {"CalcByHeightActn", QT_TRANSLATE_NOOP("MainActions", "Calculate peaks by amplitude"), nullptr, Cat::Calculations, 0, "CalcType", Checkable, I::None},
  {"CalcBySquareActn", QT_TRANSLATE_NOOP("MainActions", "Calculate peaks by square"), nullptr, Cat::Calculations, 1, "CalcType", Checkable | Checked, I::None},
  {"CalcByMinMaxActn", QT_TRANSLATE_NOOP("MainActions", "Calculate peaks by the difference of minimum and maximum"), nullptr, Cat::Calculations, 2, "CalcType", Checkable, I::None},
  {"CalcByMinMaxWLinesActn", QT_TRANSLATE_NOOP("MainActions", "Calculate peaks by the difference of minimum and maximum with bilinear correction"), nullptr, Cat::Calculations, 3, "CalcType", Checkable, I::None},
  {"CalcIntersectionActn", QT_TRANSLATE_NOOP("MainActions", "Turning points search"), nullptr, Cat::Calculations, 4, "CalcType", Checkable, I::None},
  {"CalcPotDiffActn", QT_TRANSLATE_NOOP("MainActions", "Calculate Red/Ox peaks difference on CVA"), nullptr, Cat::Calculations, 5, "CalcType", Checkable, I::None},
  {"CalcLinSlopeActn", QT_TRANSLATE_NOOP("MainActions", "Wave linearization"), nullptr, Cat::Calculations, 6, "CalcType", Checkable, I::None},
  {"CalcByMinMaxWLines2Actn", QT_TRANSLATE_NOOP("MainActions", "Calculate peaks by the difference of minimum and maximum with linear correction"), nullptr, Cat::Calculations, 7, "CalcType", Checkable, I::None},
  {"ChangeBaseLineTypeActn", QT_TRANSLATE_NOOP("MainActions", "Change baseline type"), nullptr, Cat::Calculations, 0, nullptr, None, I::BaselineType},
  {"BaseLineLineActn", QT_TRANSLATE_NOOP("MainActions", "Linear baseline approximation"), nullptr, Cat::Calculations, 0, "BaseLine", Checkable | Checked, I::None},
  {"BaseLinePolyActn", QT_TRANSLATE_NOOP("MainActions", "Spline baseline approximation"), nullptr, Cat::Calculations, 1, "BaseLine", Checkable, I::None},
  {"SetPeakBordersActn", QT_TRANSLATE_NOOP("MainActions", "Peaks marking"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::Peaks},
  {"AddCellActn", QT_TRANSLATE_NOOP("MainActions", "Add cell"), nullptr, Cat::Calculations, -1, nullptr, None, I::AddCell},
  {"AddPeakActn", QT_TRANSLATE_NOOP("MainActions", "Add peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::AddPeak},
  {"RemoveCellActn", QT_TRANSLATE_NOOP("MainActions", "Remove cell"), nullptr, Cat::Calculations, -1, nullptr, None, I::RemoveCell},
  {"RemovePeakActn", QT_TRANSLATE_NOOP("MainActions", "Remove peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::RemovePeak},
  {"RenamePeakActn", QT_TRANSLATE_NOOP("MainActions", "Rename peak"), nullptr, Cat::Calculations, -1, nullptr, None, I::Rename},
  {"PeaksAutoSearchActn", QT_TRANSLATE_NOOP("MainActions", "Peaks auto search"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"StatActn", QT_TRANSLATE_NOOP("MainActions", "Calculations chart"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::CalcChart},
  {"EqEditorActn", QT_TRANSLATE_NOOP("MainActions", "Equation editor..."), nullptr, Cat::Calculations, -1, nullptr, None, I::Equation},
  {"SubtractionActn", QT_TRANSLATE_NOOP("MainActions", "Subtraction"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::None},
  {"AddToReportActn", QT_TRANSLATE_NOOP("MainActions", "Add to report"), nullptr, Cat::Calculations, -1, nullptr, None, I::AddToReport},
  {"SaveReportActn", QT_TRANSLATE_NOOP("MainActions", "Save report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveReportActn", QT_TRANSLATE_NOOP("MainActions", "Remove report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"ClearReportActn", QT_TRANSLATE_NOOP("MainActions", "Clear report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"RemoveElementFromReportActn", QT_TRANSLATE_NOOP("MainActions", "Remove element from report"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"ResultsActn", QT_TRANSLATE_NOOP("MainActions", "Results..."), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"AddToArchiveActn", QT_TRANSLATE_NOOP("MainActions", "Add to archive"), nullptr, Cat::Calculations, -1, nullptr, None, I::Archive},
  {"AddReportToArchiveActn", QT_TRANSLATE_NOOP("MainActions", "Add to archive"), nullptr, Cat::Calculations, -1, nullptr, None, I::Archive},
  {"ShowCalibrationsActn", QT_TRANSLATE_NOOP("MainActions", "Calibrations base..."), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::Calibrations},
  {"SaveCalibrationActn", QT_TRANSLATE_NOOP("MainActions", "Save calibration"), nullptr, Cat::Calculations, -1, nullptr, None, I::SaveCalibration},
  {"RemoveCalibrationActn", QT_TRANSLATE_NOOP("MainActions", "Remove calibration"), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  {"IncludeZeroPointActn", QT_TRANSLATE_NOOP("MainActions", "Include zero point"), nullptr, Cat::Calculations, -1, nullptr, Checkable, I::ZeroPoint},
  {"EditCalculationStatisticsActn", QT_TRANSLATE_NOOP("MainActions", "Calculation statistics..."), nullptr, Cat::Calculations, -1, nullptr, None, I::None},
  // Methods
  {"ClearMethodActn", QT_TRANSLATE_NOOP("MainActions", "Clear method"), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"AutosamplerActn", QT_TRANSLATE_NOOP("MainActions", "Autosampler"), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"CreateMethodActn", QT_TRANSLATE_NOOP("MainActions", "Methods editor..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"MethodScriptEditorActn", QT_TRANSLATE_NOOP("MainActions", "Method script editor..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  {"ShowWizActn", QT_TRANSLATE_NOOP("MainActions", "Measurement wizard..."), nullptr, Cat::Methods, -1, nullptr, None, I::Wizard},
  {"AssemblyAcnt", QT_TRANSLATE_NOOP("MainActions", "Assembly assistant..."), nullptr, Cat::Methods, -1, nullptr, None, I::None},
  // Help
  {"HelpContextActn", QT_TRANSLATE_NOOP("MainActions", "&Help Context"), "F1", Cat::Help, -1, nullptr, None, I::Help},
  {"CheckUpdateActn", QT_TRANSLATE_NOOP("MainActions", "Check for updates"), nullptr, Cat::Help, -1, nullptr, None, I::None},
  {"AboutActn", QT_TRANSLATE_NOOP("MainActions", "&About..."), nullptr, Cat::Help, -1, nullptr, Available, I::None},
};
// clang-format on

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
