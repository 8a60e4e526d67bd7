#include "QtFixture.h"

#include <QImage>

namespace {

using QtGaugeWidgetTest = QtFixture;

// A 289 x 17 gauge: a 1-pixel frame around a face 287 pixels wide.
TEST_F(QtGaugeWidgetTest, FillsFromTheLeftInTheForeColour) {
  struct Case {
    TColor foreColor;
    int progress;
    QColor expected;
  };
  const Case cases[] = {
      {clBlue, 90, QColor(0, 0, 255)},
      {clRed, 25, QColor(255, 0, 0)},
      {0x0080FF, 75, QColor(255, 128, 0)}, // 0x00BBGGRR: orange, not azure
  };
  for (const Case& c : cases) {
    form->Gauge1->SetForeColor(c.foreColor);
    form->Gauge1->SetProgress(c.progress);
    QImage image = desktop.WidgetOf(*form->Gauge1)->grab().toImage();
    int edge = 1 + 287 * c.progress / 100; // first pixel of the empty part
    int row = 3;                           // above the text
    EXPECT_EQ(image.pixelColor(2, row), c.expected) << c.progress;
    EXPECT_EQ(image.pixelColor(edge - 1, row), c.expected) << c.progress;
    EXPECT_EQ(image.pixelColor(edge, row), QColor(Qt::white)) << c.progress;
    EXPECT_EQ(image.pixelColor(286, row), QColor(Qt::white)) << c.progress;
  }
}

// The percentage reads on both parts: black on the white, white on the fill.
TEST_F(QtGaugeWidgetTest, TextIsInvertedOverTheFilledPart) {
  // Text is antialiased: counted are the pixels on the text's side of mid-grey.
  auto countInFace = [&](bool dark) {
    QImage image = desktop.WidgetOf(*form->Gauge1)->grab().toImage();
    int count = 0;
    for (int y = 1; y < image.height() - 1; ++y)
      for (int x = 1; x < image.width() - 1; ++x)
        count += (image.pixelColor(x, y).lightness() < 128) == dark;
    return count;
  };
  form->Gauge1->SetForeColor(clBlack);
  form->Gauge1->SetProgress(0);
  EXPECT_GT(countInFace(true), 0) << "black text on white";
  form->Gauge1->SetProgress(100);
  EXPECT_GT(countInFace(false), 0) << "white text on the black fill";
}

} // namespace
