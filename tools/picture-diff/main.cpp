// velmora-picture-diff: compares the PNG pictures of two folders by name.
//
//   velmora-picture-diff [--tolerance N] [--gap N] [--regions N] [--diff-dir DIR] FIRST SECOND
//
// One line per picture: whether the sizes match, how many pixels differ,
// the largest channel difference, the differing pixels by size of their
// difference (1-8 / 9-32 / 33-96 / 97-255) and the boxes of the largest
// differing regions (x,y widthxheight: pixels). With --diff-dir each
// differing picture gets a difference picture there (the second picture
// faded, differing pixels red). Exit status: 0 all equal, 1 some differ or
// exist on one side only, 2 a picture could not be read or bad arguments.
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <set>
#include <string>

#include "PictureDiff.h"

using velmora::PictureDiff;

namespace {

void print(const QString& line) { std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout); }

int usage() {
  std::fputs("usage: velmora-picture-diff [--tolerance N] [--gap N] [--regions N] [--diff-dir DIR] FIRST SECOND\n",
             stderr);
  return 2;
}

bool number(const char* text, int& value) {
  bool ok = false;
  value = QString::fromLocal8Bit(text).toInt(&ok);
  return ok && value >= 0;
}

QString sizeText(const QSize& s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

}  // namespace

int main(int argc, char** argv) {
  PictureDiff::Options options;
  int shownRegions = 8;
  QString diffDir;
  QStringList folders;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--tolerance" && hasValue) {
      if (!number(argv[++i], options.Tolerance)) return usage();
    } else if (arg == "--gap" && hasValue) {
      if (!number(argv[++i], options.Gap)) return usage();
    } else if (arg == "--regions" && hasValue) {
      if (!number(argv[++i], shownRegions)) return usage();
    } else if (arg == "--diff-dir" && hasValue) {
      diffDir = QString::fromLocal8Bit(argv[++i]);
    } else if (!arg.empty() && arg[0] == '-') {
      return usage();
    } else {
      folders << QString::fromLocal8Bit(argv[i]);
    }
  }
  if (folders.size() != 2) return usage();
  const QDir first(folders[0]), second(folders[1]);
  if (!first.exists() || !second.exists()) {
    std::fputs("both folders must exist\n", stderr);
    return 2;
  }
  if (!diffDir.isEmpty() && !QDir().mkpath(diffDir)) {
    std::fputs("cannot make the folder for the difference pictures\n", stderr);
    return 2;
  }
  options.MakeDifference = !diffDir.isEmpty();
  const QStringList filter{QStringLiteral("*.png")};
  std::set<QString> names;
  for (const QString& n : first.entryList(filter, QDir::Files)) names.insert(n);
  for (const QString& n : second.entryList(filter, QDir::Files)) names.insert(n);

  int status = 0;
  print(QStringLiteral("picture\tsize\tdiffering\tlargest\tby difference 1-8/9-32/33-96/97-255\tregions"));
  for (const QString& name : names) {
    const bool inFirst = first.exists(name), inSecond = second.exists(name);
    if (!inFirst || !inSecond) {
      print(QStringLiteral("%1\tonly in %2").arg(name, inFirst ? folders[0] : folders[1]));
      status = std::max(status, 1);
      continue;
    }
    QString errorA, errorB;
    const QImage a = PictureDiff::Load(first.filePath(name), errorA);
    const QImage b = PictureDiff::Load(second.filePath(name), errorB);
    if (a.isNull() || b.isNull()) {
      print(QStringLiteral("%1\tunreadable: %2").arg(name, a.isNull() ? errorA : errorB));
      status = 2;
      continue;
    }
    const PictureDiff::Result r = PictureDiff::Compare(a, b, options);
    if (!r.SameSize) {
      print(QStringLiteral("%1\t%2 against %3").arg(name, sizeText(r.First), sizeText(r.Second)));
      status = std::max(status, 1);
      continue;
    }
    QString regions;
    const int shown = std::min<int>(shownRegions, static_cast<int>(r.Regions.size()));
    for (int k = 0; k < shown; ++k) {
      const auto& g = r.Regions[static_cast<std::size_t>(k)];
      regions += QStringLiteral("%1%2,%3 %4x%5: %6 (%7)")
                     .arg(k ? QStringLiteral("; ") : QString())
                     .arg(g.Box.x())
                     .arg(g.Box.y())
                     .arg(g.Box.width())
                     .arg(g.Box.height())
                     .arg(g.Pixels)
                     .arg(g.Largest);
    }
    if (static_cast<int>(r.Regions.size()) > shown)
      regions += QStringLiteral("; %1 more").arg(r.Regions.size() - static_cast<std::size_t>(shown));
    print(QStringLiteral("%1\t%2\t%3\t%4\t%5/%6/%7/%8\t%9")
              .arg(name, sizeText(r.First))
              .arg(r.Differing)
              .arg(r.Largest)
              .arg(r.Buckets[0])
              .arg(r.Buckets[1])
              .arg(r.Buckets[2])
              .arg(r.Buckets[3])
              .arg(regions));
    if (r.Differing > 0) {
      status = std::max(status, 1);
      if (options.MakeDifference && !r.Difference.save(QDir(diffDir).filePath(name))) {
        std::fprintf(stderr, "cannot write the difference picture of %s\n", name.toLocal8Bit().constData());
        status = 2;
      }
    }
  }
  return status;
}
