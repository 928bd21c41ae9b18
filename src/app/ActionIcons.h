#pragma once

#include <QIcon>

namespace velmora {

// The tool bar and menu icons, drawn with the painter at start so that the
// application ships no picture files. One consistent flat style: dark
// outlines, a blue accent, curves in the chart colours.
class ActionIcons {
 public:
  // clang-format off
  enum class Kind {
    None, New, Open, AppendFile, Save, Import, Print, Undo, Redo, Rename, Group, Ungroup, MoveUp, MoveDown, Delete,
    Fold, Unfold, Smooth, Copy, Fit, XAxis, YAxis, Grid, Captions, Legend, Background, BlackWhite, Unzoom, Properties,
    Settings, Reset, RecordParams, Record, Pause, Stop, Mixer, Calculations, Peaks, Wizard, Help,
    // Icons of the "Structure" tab.
    Document, CheckedBox, UncheckedBox,
    // The calculation window's tool bar.
    Equation, ZeroPoint, SaveCalibration, Calibrations, PeakCalcType, BaselineType, AddPeak, RemovePeak, AddCell,
    RemoveCell, Paste, CalcChart, AddToReport, Archive
  };
  // clang-format on

  static QIcon icon(Kind kind);
};

}  // namespace velmora
