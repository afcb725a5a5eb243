// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Read back by other readers than the writers: Qt's for the pictures, the RIFF layout for
// the track.
TEST(GeneratedAssets, TheIconPictureAndTrackReadBackAsDrawnAndComposed) {
  QImageReader icon(QStringLiteral(ICON_FILE));
  std::vector<int> sides;
  do {
    const QImage image = icon.read();
    sides.push_back(image.width() == image.height() ? image.width() : -1);
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "the ground shows through";
    // Inside the first of the six keys.
    EXPECT_EQ(image.pixelColor(image.width() * 5 / 32, image.height() * 10 / 32).alpha(), 255);
  } while (icon.jumpToNextImage());
  EXPECT_EQ(sides, (std::vector<int>{32, 16}));
  const QImage keys(QStringLiteral(HELP_BITMAP_FILE));
  EXPECT_EQ(keys.size(), QSize(574, 107));
  EXPECT_EQ(keys.colorCount(), 16);

  std::ifstream file(MUSIC_FILE, std::ios::binary);
  const std::string wav{std::istreambuf_iterator<char>(file), {}};
  ASSERT_GT(wav.size(), 44u);
  const auto le = [&wav](std::size_t at, int size) {
    std::size_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(wav[at + i]);
    return value;
  };
  EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
  // The chunks' sizes; PCM, mono, 22050 samples a second of 16 bits; 16 beats at 72 a minute.
  EXPECT_EQ(
      std::vector<std::size_t>({le(4, 4), le(40, 4), le(20, 2), le(22, 2), le(24, 4), le(34, 2)}),
      std::vector<std::size_t>({wav.size() - 8, wav.size() - 44, 1, 1, 22050, 16}));
  EXPECT_NEAR((wav.size() - 44) / 2 / 22050.0, 16 * 60.0 / 72, 0.001);
  int peak = 0;
  for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
    peak = std::max(peak, std::abs(std::int16_t(le(at, 2))));
  }
  EXPECT_NEAR(peak, 32767 / 2, 2);  // kept below full scale, as background music
}

}  // namespace
