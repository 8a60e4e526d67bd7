#pragma once

#include "ui/Font.h"
#include "ui/Types.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <string>

// Our texts are UTF-8 throughout.
QString ToQString(const std::string& text);
// The face our fonts name, as installed here: the two Japanese design faces map to the IPA
// fonts, any other name is used as is.
QString FontFamily(const std::string& name);
// A font with the pixel height and weight of ours.
QFont ToQFont(const TFont& font);
// A colour from 0x00BBGGRR; the system colours come from the palette.
QColor ToQColor(TColor color, const QPalette& palette);
