#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "PictureDiff.h"

namespace velmora {
namespace {

QImage white(int w = 64, int h = 48) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(PictureDiff, CountsMeasuresAndLocatesTheDifferences) {
  const QImage a = white();
  EXPECT_EQ(PictureDiff::Compare(a, a, {}).Differing, 0);
  EXPECT_TRUE(PictureDiff::Compare(a, a, {}).Regions.empty());

  // A 3 x 2 block a little off and one pixel far off, apart from each other.
  QImage b = a;
  for (int y = 5; y < 7; ++y)
    for (int x = 5; x < 8; ++x) b.setPixel(x, y, qRgb(255, 245, 255));
  b.setPixel(40, 30, qRgb(55, 255, 255));
  const auto r = PictureDiff::Compare(a, b, {});
  ASSERT_TRUE(r.SameSize);
  EXPECT_EQ(r.Differing, 7);
  EXPECT_EQ(r.Largest, 200);
  EXPECT_EQ(r.Buckets, (std::array<std::int64_t, 4>{0, 6, 0, 1}));
  ASSERT_EQ(r.Regions.size(), 2u);
  EXPECT_EQ(r.Regions[0].Box, QRect(5, 5, 3, 2));
  EXPECT_EQ(r.Regions[0].Pixels, 6);
  EXPECT_EQ(r.Regions[0].Largest, 10);
  EXPECT_EQ(r.Regions[1].Box, QRect(40, 30, 1, 1));
  EXPECT_EQ(r.Regions[1].Largest, 200);
  // The same picture taken the other way round differs the same.
  EXPECT_EQ(PictureDiff::Compare(b, a, {}).Differing, 7);

  // Differences within the tolerance are equal.
  PictureDiff::Options tolerant;
  tolerant.Tolerance = 10;
  const auto t = PictureDiff::Compare(a, b, tolerant);
  EXPECT_EQ(t.Differing, 1);
  ASSERT_EQ(t.Regions.size(), 1u);
  EXPECT_EQ(t.Regions[0].Box, QRect(40, 30, 1, 1));

  // Alpha counts as a channel; the last column and row are compared too.
  QImage c(8, 8, QImage::Format_ARGB32);
  c.fill(qRgba(10, 20, 30, 255));
  QImage d = c;
  d.setPixel(7, 7, qRgba(10, 20, 30, 250));
  const auto alpha = PictureDiff::Compare(c, d, {});
  EXPECT_EQ(alpha.Differing, 1);
  EXPECT_EQ(alpha.Largest, 5);
  ASSERT_EQ(alpha.Regions.size(), 1u);
  EXPECT_EQ(alpha.Regions[0].Box, QRect(7, 7, 1, 1));
}

TEST(PictureDiff, JoinsNearbyPixelsIntoOneRegionWithinTheGap) {
  const QImage a = white();
  QImage b = a;
  // An antialiased edge broken every other pixel, and a pixel three away.
  for (int x = 10; x <= 20; x += 2) b.setPixel(x, 10, qRgb(0, 0, 0));
  b.setPixel(23, 10, qRgb(0, 0, 0));
  PictureDiff::Options options;
  options.Gap = 2;
  auto r = PictureDiff::Compare(a, b, options);
  ASSERT_EQ(r.Regions.size(), 2u);
  EXPECT_EQ(r.Regions[0].Box, QRect(10, 10, 11, 1));
  EXPECT_EQ(r.Regions[0].Pixels, 6);
  options.Gap = 3;
  r = PictureDiff::Compare(a, b, options);
  ASSERT_EQ(r.Regions.size(), 1u);
  EXPECT_EQ(r.Regions[0].Box, QRect(10, 10, 14, 1));
  options.Gap = 1;
  EXPECT_EQ(PictureDiff::Compare(a, b, options).Regions.size(), 7u);
}

TEST(PictureDiff, DifferentSizesAndEmptyPicturesAreReportedNotCompared) {
  const auto r = PictureDiff::Compare(white(64, 48), white(64, 49), {});
  EXPECT_FALSE(r.SameSize);
  EXPECT_EQ(r.First, QSize(64, 48));
  EXPECT_EQ(r.Second, QSize(64, 49));
  EXPECT_EQ(r.Differing, 0);
  EXPECT_FALSE(PictureDiff::Compare(QImage(), QImage(), {}).SameSize);
}

TEST(PictureDiff, DifferencePictureMarksOnlyTheDifferingPixels) {
  const QImage a = white(4, 4);
  QImage b = a;
  b.setPixel(1, 2, qRgb(0, 0, 0));
  PictureDiff::Options options;
  options.MakeDifference = true;
  const auto r = PictureDiff::Compare(a, b, options);
  ASSERT_EQ(r.Difference.size(), QSize(4, 4));
  EXPECT_EQ(r.Difference.pixel(1, 2), qRgb(255, 0, 0));
  EXPECT_EQ(r.Difference.pixel(0, 0), qRgb(254, 254, 254));
  EXPECT_TRUE(PictureDiff::Compare(a, b, {}).Difference.isNull());
}

TEST(PictureDiff, DamagedOrOversizedFilesGiveAnErrorNotAPicture) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString good = dir.filePath("good.png");
  QImage picture = white(200, 100);
  for (int x = 0; x < 200; ++x) picture.setPixel(x, x / 2, qRgb(x, 255 - x, 7 * x % 256));
  ASSERT_TRUE(picture.save(good));
  QString error;
  EXPECT_EQ(PictureDiff::Load(good, error).size(), QSize(200, 100));
  EXPECT_TRUE(error.isEmpty());

  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  file.close();
  auto writeFile = [&](const char* name, const QByteArray& content) {
    QFile out(dir.filePath(name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(content);
    return dir.filePath(name);
  };
  // Cut in the middle of the pixel data, cut inside the header, not a picture,
  // and no file at all.
  for (const QString& path : {writeFile("cut.png", bytes.left(bytes.size() / 2)), writeFile("head.png", bytes.left(20)),
                              writeFile("text.png", "not a picture\n"), dir.filePath("missing.png")}) {
    error.clear();
    EXPECT_TRUE(PictureDiff::Load(path, error).isNull()) << path.toStdString();
    EXPECT_FALSE(error.isEmpty()) << path.toStdString();
  }
  // A header claiming more pixels than allowed is refused before decoding.
  EXPECT_TRUE(PictureDiff::Load(good, error, 100 * 99).isNull());
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace velmora
