#pragma once

#include <string>

// A font as the program asks for it: a cell height in pixels and a face name.
struct FontSpec {
  int height = 0;  // cell height in pixels; 0 lets the platform choose
  int weight = 400;
  bool italic = false;
  int charset = 0;
  int pitchAndFamily = 0;
  std::string face;  // UTF-8
};
