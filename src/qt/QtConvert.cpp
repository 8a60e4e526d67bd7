#include "qt/QtConvert.h"

#include <algorithm>
#include <cstdlib>

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FontFamily(const std::string& name) {
  if (name == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
  if (name == "ＭＳ Ｐ明朝") return QStringLiteral("IPAPMincho");
  return ToQString(name);
}

QFont ToQFont(const TFont& font) {
  QFont result(FontFamily(font.Name));
  // A negative height means the same size in the designs' convention; Qt wants at least 1.
  result.setPixelSize(std::max(1, std::abs(font.Height)));
  result.setBold(font.Bold);
  return result;
}

QColor ToQColor(TColor color, const QPalette& palette) {
  switch (color) {
  case clWindowText:
    return palette.color(QPalette::WindowText);
  case clBtnFace:
    return palette.color(QPalette::Button);
  case clWindow:
    return palette.color(QPalette::Base);
  default:
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
  }
}
