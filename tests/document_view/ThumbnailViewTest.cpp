#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "CaptionPainter.h"
#include "SimulatedBadge.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPaintingGuard.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"

using namespace velmora;

namespace {

TDataArr peakCurve(double height) {
  TDataArr pts;
  for (int i = 0; i <= 200; ++i) {
    const double x = -1000.0 + 5.0 * i;
    pts.push_back({x, height * std::exp(-std::pow((x + 500.0) / 60.0, 2.0))});
  }
  return pts;
}

TNode* leaf(TNodeForest& f, TNode* parent, const std::string& name, double height = 1.0) {
  TNode* n = parent ? f.AddChild(parent) : f.AddNode(f.LastRoot(), nullptr);
  auto r = std::make_unique<TVAStruct>(n);
  TVAStruct* rec = r.get();
  n->SetRecord(std::move(r));
  n->SetNameSilently(name);
  rec->SetData(peakCurve(height));
  return n;
}

TNode* group(TNodeForest& f, TNode* parent, const std::string& name) {
  TNode* n = parent ? f.AddChild(parent) : f.AddNode(f.LastRoot(), nullptr);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  n->SetNameSilently(name);
  return n;
}

// A view with: A (group: a1, a2), B, C.
struct Fixture {
  TImagePreviewBox view;
  TNode *a, *a1, *a2, *b, *c;
  Fixture() {
    view.resize(200, 600);
    TNodeForest& f = view.forest();
    a = group(f, nullptr, "A");
    a1 = leaf(f, a, "a1");
    a2 = leaf(f, a, "a2", 2.0);
    b = leaf(f, nullptr, "B");
    c = leaf(f, nullptr, "C");
    view.show();
    QApplication::processEvents();
  }
  TNodeForest& forest() { return view.forest(); }
  QPoint inside(TNode* n, int dx = 50, int dy = 30) { return view.nodeRect(n).topLeft() + QPoint(dx, dy); }
  void click(TNode* n, int dx = 50, int dy = 30, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, mods, inside(n, dx, dy));
  }
  void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&view, k, mods); }
};

}  // namespace

TEST(CaptionPainter, MarkupSegmentsAreMeasuredAndDrawnByTheirRules) {
  QFont font;
  font.setPixelSize(20);
  // A superscript is smaller than the same characters at full size.
  EXPECT_LT(CaptionPainter::CaptionWidth(font, "cm^3^"), CaptionPainter::CaptionWidth(font, "cm3"));
  EXPECT_EQ(CaptionPainter::CaptionWidth(font, "cm^3^"),
            QFontMetrics(font).horizontalAdvance("cm") + CaptionPainter::CaptionWidth(font, "^3^"));
  // An unterminated marker draws the rest at full size.
  EXPECT_EQ(CaptionPainter::CaptionWidth(font, "^x"), QFontMetrics(font).horizontalAdvance("x"));
  EXPECT_EQ(CaptionPainter::PlainText("X_med_ cm^3^ $m$"), "Xmed cm3 m");

  // The subscript is drawn lower than the base line text, the superscript at the top.
  QImage img(200, 60, QImage::Format_RGB32);
  auto lowestInk = [&](const QString& text, int fromX) {
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    CaptionPainter::DrawCaption(p, img.rect(), 0, 5, text);
    p.end();
    int lowest = -1;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = fromX; x < img.width(); ++x) {
        if (qGray(img.pixel(x, y)) < 128) lowest = y;
      }
    }
    return lowest;
  };
  const int advance = QFontMetrics(font).horizontalAdvance("X");
  EXPECT_GT(lowestInk("X_o_", advance), lowestInk("Xo", advance));
  EXPECT_LT(lowestInk("X^o^", advance), lowestInk("Xo", advance));

  // Clipping: nothing is drawn outside the rectangle.
  img.fill(Qt::white);
  QPainter p(&img);
  p.setFont(font);
  CaptionPainter::DrawCaption(p, QRect(0, 0, 20, 60), 0, 5, "WWWWWW");
  p.end();
  for (int x = 21; x < img.width(); ++x) EXPECT_EQ(img.pixel(x, 20), qRgb(255, 255, 255));

  // The Greek character set: Windows-1251 bytes read as Windows-1253, ASCII kept.
  EXPECT_EQ(CaptionPainter::ToGreek(QString::fromUtf8("\xD0\xBC")), QString(QChar(0x03BC)));  // м -> μ
  EXPECT_EQ(CaptionPainter::ToGreek("ab"), "ab");
  // One-line headers: the report's "$д$, %" is "δ, %", "X_med_" is "Xmed".
  EXPECT_EQ(CaptionPainter::LineText(QString::fromUtf8("$\xD0\xB4$, %")), QString::fromUtf8("\xCE\xB4, %"));
  EXPECT_EQ(CaptionPainter::LineText(QString::fromUtf8("$\xD0\x94$, mg/dm^3^")), QString::fromUtf8("\xCE\x94, mg/dm3"));
  EXPECT_EQ(CaptionPainter::LineText("X_med_, mg"), "Xmed, mg");
}

TEST(ThumbnailView, LayoutIndentsChildrenAndFoldingHidesThem) {
  Fixture fx;
  const auto& p = fx.view.params();
  EXPECT_EQ(fx.view.rowCount(), 5);
  const QRect ra = fx.view.nodeRect(fx.a);
  const QRect ra1 = fx.view.nodeRect(fx.a1);
  EXPECT_EQ(ra.topLeft(), QPoint(p.imageMargin, p.imageMargin));
  EXPECT_EQ(ra1.left(), ra.left() + p.indent);
  EXPECT_EQ(ra1.top(), ra.top() + p.picHeight + p.imageMargin);

  // A click in the fold box folds; the rows below move up.
  fx.click(fx.a, 7, 7);
  EXPECT_TRUE(fx.a->Folded);
  EXPECT_EQ(fx.view.rowCount(), 3);
  EXPECT_FALSE(fx.view.nodeRect(fx.a1).isValid());
  EXPECT_EQ(fx.view.nodeRect(fx.b).top(), ra1.top());
  // Double click on the picture unfolds again.
  QTest::mouseDClick(fx.view.viewport(), Qt::LeftButton, Qt::NoModifier, fx.inside(fx.a));
  EXPECT_FALSE(fx.a->Folded);
  EXPECT_EQ(fx.view.rowCount(), 5);

  // The check box of a child toggles its checked state; roots have none.
  fx.click(fx.a1, 7, p.picHeight - 7);
  EXPECT_EQ(fx.a1->Checked, 0);
  fx.click(fx.b, 7, p.picHeight - 7);
  EXPECT_EQ(fx.b->Checked, 1);
  EXPECT_EQ(fx.forest().FocusedNode, fx.b);  // the click selected it instead
}

TEST(ThumbnailView, MouseSelectionFollowsShiftAndCtrlAndEmptyAreaClears) {
  Fixture fx;
  int changes = 0;
  QObject::connect(&fx.view, &TImagePreviewBox::selectionChanged, [&] { ++changes; });
  fx.click(fx.a);
  EXPECT_EQ(fx.forest().Selection, TNodesArr({fx.a}));
  fx.click(fx.c, 50, 30, Qt::ShiftModifier);
  EXPECT_EQ(fx.forest().Selection.size(), 3u);
  fx.click(fx.b, 50, 30, Qt::ControlModifier);
  EXPECT_FALSE(fx.forest().IsSelected(fx.b));
  EXPECT_GE(changes, 3);
  // Below the last row: nothing selected.
  QTest::mouseClick(fx.view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 590));
  EXPECT_TRUE(fx.forest().Selection.empty());
  EXPECT_EQ(fx.forest().FocusedNode, nullptr);
}

TEST(ThumbnailView, KeyboardWalksSiblingsFoldsAndChecks) {
  Fixture fx;
  fx.view.setFocus();
  fx.key(Qt::Key_Down);  // no focus: the earliest created node
  EXPECT_EQ(fx.forest().FocusedNode, fx.a);
  fx.key(Qt::Key_Down);
  EXPECT_EQ(fx.forest().FocusedNode, fx.b);
  fx.key(Qt::Key_End);
  EXPECT_EQ(fx.forest().FocusedNode, fx.c);
  fx.key(Qt::Key_Down);  // stops at the end
  EXPECT_EQ(fx.forest().FocusedNode, fx.c);
  fx.key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(fx.forest().Selection.size(), 2u);
  fx.key(Qt::Key_Home);
  EXPECT_EQ(fx.forest().FocusedNode, fx.a);
  EXPECT_EQ(fx.forest().Selection, TNodesArr({fx.a}));
  fx.key(Qt::Key_Right);  // unfolded: into the first child
  EXPECT_EQ(fx.forest().FocusedNode, fx.a1);
  fx.key(Qt::Key_Space);
  EXPECT_EQ(fx.a1->Checked, 0);
  fx.key(Qt::Key_Left);  // a leaf: to its parent
  EXPECT_EQ(fx.forest().FocusedNode, fx.a);
  fx.key(Qt::Key_Left);  // an unfolded group folds
  EXPECT_TRUE(fx.a->Folded);
  EXPECT_EQ(fx.forest().FocusedNode, fx.a);
  fx.key(Qt::Key_Right);  // a folded group unfolds
  EXPECT_FALSE(fx.a->Folded);
}

TEST(ThumbnailView, InPlaceRenameCommitsCancelsAndReportsEveryRename) {
  Fixture fx;
  std::vector<QString> renames;
  QObject::connect(&fx.view, &TImagePreviewBox::nodeRenamed,
                   [&](TNode*, const QString& name) { renames.push_back(name); });
  fx.view.StartRename(fx.b);
  ASSERT_TRUE(fx.view.isRenaming());
  QLineEdit* ed = fx.view.renameEditor();
  EXPECT_EQ(ed->text(), "B");
  const QRect r = fx.view.nodeRect(fx.b);
  EXPECT_EQ(ed->geometry().bottom(), r.bottom() - 3);
  EXPECT_EQ(ed->width(), r.width());
  ed->setText("Sample 7");
  QTest::keyClick(ed, Qt::Key_Return);
  EXPECT_FALSE(fx.view.isRenaming());
  EXPECT_EQ(fx.b->Name, "Sample 7");
  ASSERT_EQ(renames.size(), 1u);  // reported although captions are not painted
  EXPECT_EQ(renames[0], "Sample 7");

  fx.view.StartRename(fx.b);
  fx.view.renameEditor()->setText("discarded");
  QTest::keyClick(fx.view.renameEditor(), Qt::Key_Escape);
  EXPECT_EQ(fx.b->Name, "Sample 7");
  EXPECT_EQ(renames.size(), 1u);

  // Down commits and moves on as the arrow key does.
  fx.forest().SelectNode(fx.b);
  fx.view.StartRename(fx.b);
  fx.view.renameEditor()->setText("B2");
  QTest::keyClick(fx.view.renameEditor(), Qt::Key_Down);
  EXPECT_EQ(fx.b->Name, "B2");
  EXPECT_EQ(fx.forest().FocusedNode, fx.c);
}

TEST(ThumbnailView, ScrollsTheFocusedNodeIntoViewAndWheelMovesByAQuarterDelta) {
  TImagePreviewBox view;
  view.resize(200, 300);
  TNodeForest& f = view.forest();
  {
    TPaintingGuard guard(f);
    for (int i = 0; i < 40; ++i) leaf(f, nullptr, "n" + std::to_string(i));
  }
  view.show();
  QApplication::processEvents();
  QScrollBar* v = view.verticalScrollBar();
  EXPECT_GT(v->maximum(), 0);
  f.SelectNode(f.NodeById(30));
  const QRect r = view.nodeRect(f.NodeById(30));
  EXPECT_GE(r.top(), 0);
  EXPECT_LE(r.bottom(), view.viewport()->height());
  // Only the rows in sight are painted.
  EXPECT_LE(view.visibleRows().size(), 5u);
  const int before = v->value();
  QWheelEvent wheel(QPointF(50, 50), view.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &wheel);
  EXPECT_EQ(v->value(), before - 30);
  f.SelectNode(f.NodeById(0));
  EXPECT_EQ(view.nodeRect(f.NodeById(0)).top(), view.params().imageMargin);
}

TEST(ThumbnailView, ThumbnailsDrawRowsInTheColourCycleAndSettingsApply) {
  Fixture fx;
  ThumbnailPainter::Style style;
  const QImage img = ThumbnailPainter::paint(*fx.a, style).toImage();
  bool green = false, red = false;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.green() > 100 && c.red() < 60 && c.blue() < 60) green = true;
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) red = true;
    }
  }
  EXPECT_TRUE(green);  // first child's row
  EXPECT_TRUE(red);    // second child's row
  EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::black));

  fx.view.SetPictureParam(0, 160);
  fx.view.SetSpacing(0, 25);
  EXPECT_EQ(fx.view.nodeRect(fx.a1).width(), 160);
  EXPECT_EQ(fx.view.nodeRect(fx.a1).left() - fx.view.nodeRect(fx.a).left(), 25);
}

TEST(ThumbnailView, CaptionsKeepTheirDistinguishingEndAndSimulatedCurvesCarryABadge) {
  TImagePreviewBox view;
  view.resize(200, 600);
  TNodeForest& f = view.forest();
  const std::string mark = TRecordPlacement::SimulatedMark;
  const std::string base = "Sample + addition of standard ";
  TNode* measured1 = leaf(f, nullptr, base + "1");
  TNode* measured2 = leaf(f, nullptr, base + "2");
  // A simulated curve as recorded before: the emulator's mark opens the
  // caption and the comments.
  TNode* simulated1 = leaf(f, nullptr, mark + base + "1");
  simulated1->VA()->Params.SetComments(mark + base + "1");
  view.SetShowCaptions(true);
  view.show();
  QApplication::processEvents();
  const QImage img = view.viewport()->grab().toImage();
  const int th = QFontMetrics(view.font()).height();
  auto part = [&](TNode* n, const QRect& local) { return img.copy(local.translated(view.nodeRect(n).topLeft())); };
  const QRect caption(14, 75 - 3 - th, 100 - 17, th);
  const QRect topRight(50, 0, 50, 18);

  // Captions that differ only at their end look different, and the
  // simulated mark takes no room from the caption.
  EXPECT_NE(part(measured1, caption), part(measured2, caption));
  EXPECT_EQ(part(simulated1, caption), part(measured1, caption));

  // The simulated curve carries the badge, the measured one does not.
  auto amber = [](const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x)
        if (QColor(im.pixel(x, y)) == SimulatedBadge::color()) ++n;
    return n;
  };
  EXPECT_GT(amber(part(simulated1, topRight)), 20);
  EXPECT_EQ(amber(part(measured1, topRight)), 0);
}

TEST(CaptionPainter, ElidingKeepsBothEndsAndTheMarkup) {
  QFont font;
  font.setPixelSize(14);
  const QString text = "Sample + addition of standard No. 12, mg/dm^3^";
  const int full = CaptionPainter::CaptionWidth(font, text);
  EXPECT_EQ(CaptionPainter::ElideCaption(font, text, full), text);
  for (const int width : {full / 2, full / 3, 60}) {
    const QString e = CaptionPainter::ElideCaption(font, text, width);
    EXPECT_LE(CaptionPainter::CaptionWidth(font, e), width) << e.toStdString();
    EXPECT_TRUE(e.startsWith("Sa")) << e.toStdString();
    EXPECT_TRUE(e.contains(QChar(0x2026))) << e.toStdString();
    // The superscript stays a superscript.
    EXPECT_TRUE(e.endsWith(width >= full / 3 ? "dm^3^" : "^3^")) << e.toStdString();
  }
  // The markers opened before the cut are closed around the ellipsis.
  const QString sub = CaptionPainter::ElideCaption(font, "X_medianmedianmedian_ value", 70);
  EXPECT_TRUE(sub.startsWith("X_")) << sub.toStdString();
  EXPECT_EQ(sub.count(u'_') % 2, 0) << sub.toStdString();
  EXPECT_LE(CaptionPainter::CaptionWidth(font, sub), 70);
}
