// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seam/wrapped_caption.h"

std::string WrappedCaption(const std::string& caption, int room,
                           const std::function<int(const std::string&)>& width) {
  if (width(caption) <= room) return caption;
  for (std::size_t cut = caption.rfind(' '); cut != std::string::npos && cut > 0;
       cut = caption.rfind(' ', cut - 1)) {
    if (width(caption.substr(0, cut)) <= room) {
      return caption.substr(0, cut) + '\n' + caption.substr(cut + 1);
    }
  }
  return caption;
}
