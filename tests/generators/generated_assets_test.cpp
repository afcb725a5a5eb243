// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Qt's own readers see the pictures as they were drawn: sizes, 16 colours, the ground.
TEST(GeneratedAssets, TheIconAndTheHelpPictureReadBackAsDrawn) {
  QImageReader icon(QStringLiteral(ICON_FILE));
  std::vector<int> sides;
  do {
    const QImage image = icon.read();
    ASSERT_FALSE(image.isNull()) << icon.errorString().toStdString();
    EXPECT_EQ(image.width(), image.height());
    sides.push_back(image.width());
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "the ground shows through";
    // Inside the first of the six keys.
    EXPECT_EQ(image.pixelColor(image.width() * 5 / 32, image.height() * 10 / 32).alpha(), 255);
  } while (icon.jumpToNextImage());
  EXPECT_EQ(sides, (std::vector<int>{32, 16}));

  const QImage keys(QStringLiteral(HELP_BITMAP_FILE));
  ASSERT_FALSE(keys.isNull());
  EXPECT_EQ(keys.size(), QSize(574, 107));
  EXPECT_EQ(keys.colorCount(), 16);
  EXPECT_EQ(keys.pixel(0, 0), qRgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(keys.pixel(573, 106), qRgb(0xFF, 0xFF, 0xFF));
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes.at(at + i));
  return value;
}

// The track as a wave reader takes it: one PCM chunk that fills the file, four bars at 72
// beats a minute, kept below full scale.
TEST(GeneratedAssets, TheTrackIsOneWholeLoopOfPcm) {
  std::ifstream file(MUSIC_FILE, std::ios::binary);
  const std::string wav{std::istreambuf_iterator<char>(file), {}};
  ASSERT_GT(wav.size(), 44u);
  EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
  EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
  EXPECT_EQ(Le(wav, 40, 4), wav.size() - 44);
  // PCM, mono, 22050 samples a second, 2 bytes a sample.
  EXPECT_EQ(Le(wav, 20, 2) << 16 | Le(wav, 22, 2), 0x10001u);
  EXPECT_EQ(Le(wav, 24, 4), 22050u);
  EXPECT_EQ(Le(wav, 34, 2), 16u);
  const std::size_t samples = (wav.size() - 44) / 2;
  EXPECT_NEAR(samples / 22050.0, 16 * 60.0 / 72, 0.001);
  std::uint32_t peak = 0;
  for (std::size_t i = 0; i < samples; ++i) {
    peak = std::max<std::uint32_t>(peak, std::abs(std::int16_t(Le(wav, 44 + 2 * i, 2))));
  }
  EXPECT_NEAR(peak, 32767 / 2, 2);
}

}  // namespace
