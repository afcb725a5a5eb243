#include "tests/resources/icon_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <utility>

std::vector<Box> OpaqueShapes(int width, int height, const std::function<bool(int, int)>& opaque) {
  std::vector<bool> seen(static_cast<std::size_t>(width) * height, false);
  std::vector<Box> shapes;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (seen[static_cast<std::size_t>(y) * width + x] || !opaque(x, y)) continue;
      Box box{x, y, x, y};
      std::vector<std::pair<int, int>> pending{{x, y}};
      seen[static_cast<std::size_t>(y) * width + x] = true;
      while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        box = {std::min(box.left, px), std::min(box.top, py), std::max(box.right, px),
               std::max(box.bottom, py)};
        const std::pair<int, int> neighbours[] = {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}};
        for (const auto& [nx, ny] : neighbours) {
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const std::size_t at = static_cast<std::size_t>(ny) * width + nx;
          if (seen[at] || !opaque(nx, ny)) continue;
          seen[at] = true;
          pending.push_back({nx, ny});
        }
      }
      shapes.push_back(box);
    }
  }
  return shapes;
}

void ExpectTwoRowsOfThreeSquares(const std::vector<Box>& shapes) {
  ASSERT_EQ(shapes.size(), 6u);
  for (const Box& box : shapes) {
    EXPECT_EQ(box.Width(), box.Height()) << "not square at " << box.left << "," << box.top;
    EXPECT_EQ(box.Width(), shapes[0].Width()) << "squares of different sizes";
  }
  // Met row by row: the first three share the upper row, the last three the lower.
  for (int row = 0; row < 2; ++row) {
    const Box* first = &shapes[static_cast<std::size_t>(row) * 3];
    for (int column = 1; column < 3; ++column) {
      const Box& box = first[column];
      EXPECT_EQ(box.top, first->top);
      EXPECT_GT(box.left, first[column - 1].right) << "squares overlap or are out of order";
    }
  }
  EXPECT_GT(shapes[3].top, shapes[0].bottom);
  EXPECT_EQ(shapes[3].left, shapes[0].left);
}
