// The generated pictures as the program and the desktop load them: through Qt's readers.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>

#include "tests/resources/icon_shape.h"

namespace {

bool Opaque(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 255; }

// Checks a loaded icon picture: transparent corners, the six squares, black frames and
// grey faces.
void ExpectIconPicture(const QImage& image, int size) {
  ASSERT_EQ(image.size(), QSize(size, size));
  for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
    EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << "corner " << x << "," << y;
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int alpha = qAlpha(image.pixel(x, y));
      EXPECT_TRUE(alpha == 0 || alpha == 255) << "half-transparent at " << x << "," << y;
    }
  }
  const auto shapes = OpaqueShapes(size, size, [&](int x, int y) { return Opaque(image, x, y); });
  ExpectTwoRowsOfThreeSquares(shapes);
  for (const Box& box : shapes) {
    EXPECT_EQ(image.pixel(box.left, box.top), qRgb(0, 0, 0)) << "frame";
    const QRgb centre = image.pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_TRUE(qRed(centre) == qGreen(centre) && qGreen(centre) == qBlue(centre) &&
                qRed(centre) >= 0x80 && qRed(centre) <= 0xC0)
        << "face is not grey: " << std::hex << centre;
  }
}

TEST(LoadedByQt, IconOffersBothPictures) {
  QImageReader reader(QStringLiteral(QUELLABOX_TEST_ICON_FILE));
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  EXPECT_EQ(reader.format(), "ico");
  ASSERT_EQ(reader.imageCount(), 2);
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    ExpectIconPicture(image, size);
    reader.jumpToNextImage();
  }
}

TEST(LoadedByQt, DesktopIconsMatchTheIcon) {
  QImageReader reader(QStringLiteral(QUELLABOX_TEST_ICON_FILE));
  const QImage icon32 = reader.read().convertToFormat(QImage::Format_ARGB32);
  for (int size : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE(size);
    const QString path = QStringLiteral(QUELLABOX_TEST_ICON_PNG_DIR "/%1/quellabox.png").arg(size);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    ExpectIconPicture(image, size);
    if (size == 32) {
      EXPECT_EQ(image, icon32) << "the desktop icon and the program's icon differ";
    }
  }
}

TEST(LoadedByQt, HelpBitmapIsTheSizeTheDialogShows) {
  const QImage image(QStringLiteral(QUELLABOX_TEST_HELP_BITMAP_FILE));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(574, 107));
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(573, 106), qRgb(255, 255, 255));
}

}  // namespace
