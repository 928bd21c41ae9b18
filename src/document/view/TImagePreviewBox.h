#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <memory>
#include <vector>

#include "TNodeForest.h"

class QLineEdit;
class QMenu;

namespace velmora {

class IThumbnailPeaks;
struct Options;

// The "Thumbnails" view of the document: the forest as a vertical, indented
// list of small pictures with fold box, check box and caption, on which the
// operator selects, folds, checks and renames nodes with mouse and keyboard.
//
// The view owns the document's TNodeForest and turns its hooks into
// signals, so that several windows can follow the document. Only the rows
// in sight are painted; the curve pictures are cached per node and dropped
// when the forest reports a repaint.
class TImagePreviewBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // View settings ("PicParams" of the settings file).
  struct Params {
    int picWidth = 100;
    int picHeight = 75;
    int fields = 5;       // margins of the curve drawing
    int imageMargin = 3;  // spacing between rows, left margin of root rows
    int indent = 10;      // per tree level
    QColor selectColor;   // invalid = the palette's highlight
    QColor dataColor = QColor(0x00, 0x80, 0x00);
    QColor nodeBackColor = Qt::white;
    QColor nodeBorderColor = Qt::black;
    QColor peaksColor = QColor(0xbc, 0xce, 0xfe);
    QColor crossPeaksColor = QColor(0xc0, 0xdc, 0xc0);
  };

  explicit TImagePreviewBox(QWidget* parent = nullptr);
  ~TImagePreviewBox() override;

  TNodeForest& forest() { return *forest_; }
  const TNodeForest& forest() const { return *forest_; }

  // --- Settings ---
  const Params& params() const { return params_; }
  QColor selectColor() const;
  void loadSettings(const Options& options);
  void saveSettings(Options& options) const;
  // kind 0 select, 1 data, 2 background, 3 border.
  void SetColor(int kind, const QColor& value);
  // kind 0 indent, 1 spacing.
  void SetSpacing(int kind, int value);
  // kind 0 width, 1 height, 2 margins.
  void SetPictureParam(int kind, int value);
  void SetShowCaptions(bool on);
  // The peaks drawn on the thumbnails (bands and marks); none when null.
  void setPeaks(const IThumbnailPeaks* peaks);

  // --- Painting ---
  // Drops every cached picture and repaints.
  void RepaintAll();
  // Empties the document (every node destroyed) and the caches.
  void Clear();
  void ScrollIntoView();

  // --- Geometry (viewport coordinates) ---
  QRect nodeRect(const TNode* node) const;
  TNode* nodeAt(const QPoint& viewportPos) const;
  // The nodes in sight, top to bottom.
  std::vector<TNode*> visibleRows() const;
  int rowCount() const;

  // --- Renaming in place ---
  void StartRename(TNode* node);
  bool isRenaming() const;
  QLineEdit* renameEditor() const { return editor_; }

  // The menu shown on right clicks and the menu key; not owned.
  void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

 signals:
  void selectionChanged();
  void nodeRenamed(velmora::TNode* node, const QString& newName);
  void nodeCollapsed(velmora::TNode* node);
  void nodeExpanded(velmora::TNode* node);
  void nodeMovedUp(velmora::TNode* node);
  void nodeMovedDown(velmora::TNode* node);
  void treeChanged();
  void paintingChanged(bool enabled);
  void seriesRefill(velmora::TArrayDataStruct* record);
  // A node's fold or check decoration changed.
  void decorationsChanged(velmora::TNode* node);
  // Right click or menu key; the forest's PopupTag holds the node's Id.
  void popupRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Row {
    TNode* node;
    int x;  // content coordinates
    int y;
  };

  void connectHooks();
  void invalidateLayout();
  void ensureLayout() const;
  void updateScrollBars() const;
  int rowPitch() const { return params_.picHeight + params_.imageMargin; }
  QRect contentRect(const Row& row) const;
  const Row* rowOf(const TNode* node) const;
  const QPixmap& thumbnail(const TNode* node) const;
  void dropThumbnail(const TNode* node);
  void dropAllThumbnails();
  void paintRow(QPainter& p, const Row& row, const QRect& r) const;
  void clickAt(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods, bool doubleClick);
  void openPopup(const QPoint& globalPos);
  void commitRename();
  void cancelRename();
  void moveFocusTo(TNode* node, Qt::KeyboardModifiers mods);
  static TShiftState shiftOf(Qt::KeyboardModifiers mods);

  std::unique_ptr<TNodeForest> forest_;
  Params params_;
  QMenu* popupMenu_ = nullptr;
  QLineEdit* editor_ = nullptr;
  TNode* renaming_ = nullptr;

  mutable bool layoutDirty_ = true;
  mutable std::vector<Row> rows_;
  mutable std::vector<int> rowIndex_;  // by node Id, -1 when not shown
  mutable int contentWidth_ = 0;
  mutable QHash<const TNode*, QPixmap> cache_;
  const IThumbnailPeaks* peaks_ = nullptr;
  std::size_t knownNodeCount_ = 0;
};

}  // namespace velmora
