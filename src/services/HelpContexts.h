#pragma once

// The context numbers the windows pass to the help (the window's int
// property "helpContext"); every language's "contexts.txt" maps them to a
// page and an anchor. Numbers a window computes (a page's position added to
// its base) are listed by their base.
namespace velmora::help {

inline constexpr int Contents = 0;
inline constexpr int MainWindow = 1;
inline constexpr int StartPanel = 2;
inline constexpr int AssemblyAssistant = 8;
inline constexpr int RecordParameters = 10;
inline constexpr int Autosampler = 12;
inline constexpr int Timer = 14;
inline constexpr int OptionsBase = 21;  // + the page: General, Ports, Calibration, Images and colors
inline constexpr int Peaks = 30;
inline constexpr int Properties = 31;
inline constexpr int Subtraction = 36;
inline constexpr int EquationEditor = 37;
inline constexpr int CalculationsBase = 40;  // + the page: Single calculation, Report
inline constexpr int CalculationsChart = 42;
inline constexpr int Calibrations = 45;
inline constexpr int Statistics = 46;
inline constexpr int Print = 50;
inline constexpr int MethodsEditor = 55;
inline constexpr int ScriptEditor = 56;
inline constexpr int ProgramUpdate = 60;
inline constexpr int WizardBase = 70;  // + the page, 0 first page .. 5 report

}  // namespace velmora::help
