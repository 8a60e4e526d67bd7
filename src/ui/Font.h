#pragma once

#include "ui/Types.h"

#include <string>

// A font as the designs give it: face name, character height in pixels, bold, colour.
struct TFont {
  std::string Name = "ＭＳ Ｐゴシック";
  int Height = 12;
  bool Bold = false;
  TColor Color = clWindowText;

  bool operator==(const TFont&) const = default;
};
