#pragma once

#include <QString>

class QPainter;
class QRect;
class QFont;

namespace velmora {

// Paints captions with the small markup used for node names and form
// captions: text between carets is a superscript ("cm^3^"), text between
// underscores a subscript ("X_med_"), text between dollar signs is shown in
// the Greek character set. Markers are not drawn.
class CaptionPainter {
 public:
  // Draws `text` with its top-left corner at (x, y), clipped to `rect`,
  // with a transparent background, in the painter's font and pen.
  static void DrawCaption(QPainter& canvas, const QRect& rect, int x, int y, const QString& text);
  // The width DrawCaption would use, in whole pixels.
  static int CaptionWidth(const QFont& font, const QString& text);
  static int CaptionWidth(const QPainter& canvas, const QString& text);

  // `text` shortened in the middle so that it fits `width` pixels: the
  // beginning and the end stay, "…" replaces what is left out, and the
  // markup of the kept characters is kept. Text that fits is unchanged.
  static QString ElideCaption(const QFont& font, const QString& text, int width);

  // The text as a tooltip or chart title shows it: every marker removed.
  static QString PlainText(const QString& text);
  // The text as a table header shows it on one line: sub- and superscript
  // markers removed, the "$...$" parts in the Greek character set ("$д$"
  // is δ).
  static QString LineText(const QString& text);
  // `text` as the Greek character set shows it: the characters keep their
  // Windows-1251 byte, which is then read in the Windows-1253 code page
  // (ASCII stays as it is).
  static QString ToGreek(const QString& text);
};

}  // namespace velmora
