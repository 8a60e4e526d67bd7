#include "ui/Object.h"
#include "ui/Types.h"

#include <cstdio>

std::optional<std::string> TObject::GetPropertyText(const std::string&) const {
  return std::nullopt;
}

std::string BoolText(bool value) {
  return value ? "true" : "false";
}

std::string ColorText(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", value);
  return text;
}

const char* ToString(TFormStyle value) {
  return value == TFormStyle::fsStayOnTop ? "fsStayOnTop" : "fsNormal";
}

const char* ToString(TBorderStyle value) {
  switch (value) {
  case TBorderStyle::bsNone:
    return "bsNone";
  case TBorderStyle::bsSingle:
    return "bsSingle";
  case TBorderStyle::bsSizeable:
    return "bsSizeable";
  case TBorderStyle::bsDialog:
    return "bsDialog";
  }
  return "?";
}
