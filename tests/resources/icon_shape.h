#pragma once

#include <functional>
#include <vector>

struct Box {
  int left, top, right, bottom;  // inclusive
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// The bounding boxes of the picture's separate opaque shapes (pixels touching by an edge
// belong together), in the order their first pixel is met, row by row.
std::vector<Box> OpaqueShapes(int width, int height, const std::function<bool(int, int)>& opaque);

// Fails the test unless the shapes are six equal squares in two rows of three.
void ExpectTwoRowsOfThreeSquares(const std::vector<Box>& shapes);
