#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TElementPeak.h"
#include "TPeakBandsLayer.h"

class QAction;
class QDockWidget;
class QMenu;

namespace velmora {

class IPeaksHost;
class TPeakEditor;
class TPeakMarking;
class TPeaksSelectionForm;
class TPluginsManager;

// The peak commands of the main window: the Peaks window in its dock, the
// marking on the main chart with its bands and labels, the chart menu and
// the actions "Peaks auto search", the calculation and baseline types,
// "Rename peak", "Remove peak" and "Set peak potential".
class TPeaksController : public QObject {
  Q_OBJECT
 public:
  TPeaksController(IPeaksHost& host, TPluginsManager& hub, QObject* parent = nullptr);
  ~TPeaksController() override;

  TPeaksSelectionForm& form() const;
  TPeakMarking& marking() const { return *marking_; }
  TPeakEditor& editor() const { return *editor_; }
  const TElementsPeaksArr& table() const { return table_; }
  const TPeakDrawing& drawing() const { return drawing_; }

  // The main window's actions these commands bring.
  static const std::vector<const char*>& commandActions();

  // Rebuilds the table, the grid, the drawing and the action states, and
  // redraws the chart.
  void refresh();

  // The calculation / baseline type "Change ..." shows (-1 mixed).
  int shownCalcType() const;
  int shownBaselineType() const;

  // --- Commands ---
  void PeaksAutoSearchActnExecute();
  // From the toolbar or menu: every peak of every displayed curve.
  void pickCalcType(int calcType);
  void pickBaselineType(int baselineType);
  void ChangePeakCalculationTypeActnExecute();
  void ChangeBaseLineTypeActnExecute();
  void RenamePeakActnExecute();
  void RemovePeakActnExecute();
  void SetXShiftByPeakActnExecute();
  void SetPeakBordersActnExecute(bool on);
  // Per peak (the chart menu).
  void renamePeak(const std::string& name);
  void removePeak(const std::string& name);
  void setPeakCalcType(const std::string& name, int calcType);
  void setPeakBaselineType(const std::string& name, int baselineType);
  void setPeakPotential(const std::string& name);

  // The chart menu for pixel x (owned by the caller).
  QMenu* buildChartMenu(int x);
  // Whether "Set peak potential" applies to the named peak.
  bool peakPotentialAvailable(const std::string& name) const;

  // Number input for "Set peak potential" (tests replace the dialog).
  using NumberAsker = std::function<std::optional<QString>(const QString& caption, const QString& initial)>;
  void setNumberAsker(NumberAsker asker) { askNumber_ = std::move(asker); }
  // Another window's selected peak, which "Rename peak" takes first when
  // that window is active (nullopt otherwise).
  using PeakSource = std::function<std::optional<std::string>()>;
  void setRenameSource(PeakSource source) { renameSource_ = std::move(source); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void wire();
  void updateActions();
  void updateDrawing();
  void onChartDrawn();
  void addPeakItems(QMenu* menu, const TElementPeak& row);

  IPeaksHost& host_;
  QPointer<QDockWidget> dock_;
  QPointer<TPeakBandsLayer> bands_;
  QPointer<TPeakBandsLayer> marks_;
  std::unique_ptr<TPeakEditor> editor_;
  QPointer<TPeaksSelectionForm> form_;
  TPeakMarking* marking_ = nullptr;
  TElementsPeaksArr table_;
  TPeakDrawing drawing_;
  NumberAsker askNumber_;
  PeakSource renameSource_;
  bool refreshing_ = false;
};

}  // namespace velmora
