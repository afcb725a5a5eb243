#pragma once

#include <string>

// The program's resources: strings by id, icons and bitmaps by id.
std::string LoadResourceString(int id);              // empty when the table has no such string
std::string ResourcePath(const char* kind, int id);  // the Qt resource path of an image

// Replaces a file's bytes by writing a new file and renaming it over the old one.
bool SaveFileReplacing(const std::string& path, const std::string& bytes);
