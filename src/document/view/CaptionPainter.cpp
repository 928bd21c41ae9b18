#include "CaptionPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <cmath>
#include <vector>

#include "Cp1251.h"

namespace velmora {

namespace {

// The upper half of Windows-1253; 0 marks a byte the code page leaves
// undefined.
char16_t greekCodePoint(std::uint8_t b) {
  static constexpr char16_t k80[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0, 0x2030, 0, 0x2039, 0, 0, 0, 0,
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0, 0x2122, 0, 0x203A, 0, 0, 0, 0};
  static constexpr char16_t kA0[32] = {0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
                                       0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
                                       0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
                                       0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F};
  if (b < 0x80) return b;
  if (b < 0xA0) return k80[b - 0x80];
  if (b < 0xC0) return kA0[b - 0xA0];
  if (b == 0xD2 || b == 0xFF) return 0;
  return static_cast<char16_t>(0x0390 + (b - 0xC0));
}

struct Metrics {
  QFont full;
  QFont small;
  int subscriptDrop = 0;  // H - D
};

Metrics metricsFor(const QFont& font) {
  Metrics m;
  m.full = font;
  m.small = font;
  const bool pixels = font.pixelSize() > 0;
  const double s = pixels ? font.pixelSize() : font.pointSizeF();
  const double sSmall = std::max(1.0, std::round(0.9 * s));
  if (pixels) {
    m.small.setPixelSize(static_cast<int>(sSmall));
  } else {
    m.small.setPointSizeF(sSmall);
  }
  // The text height of "0": the font's line height, as the toolkit measures it.
  const int h = QFontMetrics(m.full).height();
  const int hSmall = QFontMetrics(m.small).height();
  const int d = static_cast<int>(std::lround(3.0 * hSmall / 4.0));
  m.subscriptDrop = h - d;
  return m;
}

// Walks the markup and calls `segment(text, font, dy)` for every non-empty
// segment in drawing order.
template <typename Fn>
void walk(const QFont& font, const QString& text, Fn&& segment) {
  const Metrics m = metricsFor(font);
  bool super = false;
  bool sub = false;
  bool greek = false;
  qsizetype start = 0;
  auto flushSegment = [&](qsizetype end, const QFont& f, int dy) {
    if (end <= start) return;
    QString part = text.mid(start, end - start);
    if (greek) part = CaptionPainter::ToGreek(part);
    segment(part, f, dy);
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'^') {
      flushSegment(i, super ? m.small : m.full, 0);
      super = !super;
    } else if (c == u'_') {
      if (sub) {
        flushSegment(i, m.small, m.subscriptDrop);
      } else {
        flushSegment(i, m.full, 0);
      }
      sub = !sub;
    } else if (c == u'$') {
      flushSegment(i, m.full, 0);
      greek = !greek;
    } else {
      continue;
    }
    start = i + 1;
  }
  flushSegment(text.size(), m.full, 0);
}

}  // namespace

QString CaptionPainter::ToGreek(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const std::uint8_t b = Cp1251::encodeCodePoint(c.unicode());
    const char16_t g = (b == '?' && c != u'?') ? 0 : greekCodePoint(b);
    out.append(g != 0 ? QChar(g) : c);
  }
  return out;
}

QString CaptionPainter::LineText(const QString& text) {
  QString out;
  QString part;
  bool greek = false;
  for (const QChar c : text) {
    if (c == u'$') {
      out += greek ? ToGreek(part) : part;
      part.clear();
      greek = !greek;
    } else if (c != u'^' && c != u'_') {
      part += c;
    }
  }
  out += greek ? ToGreek(part) : part;
  return out;
}

QString CaptionPainter::PlainText(const QString& text) {
  QString out = text;
  out.remove(u'^');
  out.remove(u'_');
  out.remove(u'$');
  return out;
}

QString CaptionPainter::ElideCaption(const QFont& font, const QString& text, int width) {
  if (CaptionWidth(font, text) <= width) return text;
  // Every shown character with the markers in force where it stands.
  struct Glyph {
    QChar c;
    bool super, sub, greek;
  };
  std::vector<Glyph> glyphs;
  bool super = false, sub = false, greek = false;
  for (const QChar c : text) {
    if (c == u'^') {
      super = !super;
    } else if (c == u'_') {
      sub = !sub;
    } else if (c == u'$') {
      greek = !greek;
    } else {
      glyphs.push_back({c, super, sub, greek});
    }
  }
  if (glyphs.empty()) return text;
  auto build = [&](std::size_t head, std::size_t tail) {
    QString out;
    bool sp = false, sb = false, gr = false;
    auto enter = [&](bool wantSuper, bool wantSub, bool wantGreek) {
      if (sp != wantSuper) out += u'^', sp = wantSuper;
      if (sb != wantSub) out += u'_', sb = wantSub;
      if (gr != wantGreek) out += u'$', gr = wantGreek;
    };
    for (std::size_t i = 0; i < head; ++i) {
      enter(glyphs[i].super, glyphs[i].sub, glyphs[i].greek);
      out += glyphs[i].c;
    }
    enter(false, false, false);
    out += QChar(0x2026);
    for (std::size_t i = glyphs.size() - tail; i < glyphs.size(); ++i) {
      enter(glyphs[i].super, glyphs[i].sub, glyphs[i].greek);
      out += glyphs[i].c;
    }
    enter(false, false, false);
    return out;
  };
  // The longest shortening that fits, its end getting the odd character.
  std::size_t lo = 0, hi = glyphs.size() - 1;
  while (lo < hi) {
    const std::size_t keep = (lo + hi + 1) / 2;
    if (CaptionWidth(font, build(keep / 2, keep - keep / 2)) <= width)
      lo = keep;
    else
      hi = keep - 1;
  }
  return build(lo / 2, lo - lo / 2);
}

int CaptionPainter::CaptionWidth(const QFont& font, const QString& text) {
  int width = 0;
  walk(font, text, [&](const QString& part, const QFont& f, int) { width += QFontMetrics(f).horizontalAdvance(part); });
  return width;
}

int CaptionPainter::CaptionWidth(const QPainter& canvas, const QString& text) {
  return CaptionWidth(canvas.font(), text);
}

void CaptionPainter::DrawCaption(QPainter& canvas, const QRect& rect, int x, int y, const QString& text) {
  canvas.save();
  canvas.setClipRect(rect, Qt::IntersectClip);
  canvas.setBackgroundMode(Qt::TransparentMode);
  const QFont original = canvas.font();
  int dx = 0;
  walk(original, text, [&](const QString& part, const QFont& f, int dy) {
    canvas.setFont(f);
    const QFontMetrics fm(f);
    canvas.drawText(x + dx, y + dy + fm.ascent(), part);
    dx += fm.horizontalAdvance(part);
  });
  canvas.setFont(original);
  canvas.restore();
}

}  // namespace velmora
