#pragma once

#include "ui/Desktop.h"
#include "ui/Types.h"

#include <array>

// The frame that the window manager puts around our windows, per border style (the menu bar
// not included). It is measured once, before the first window is shown, because the program
// places its main window by its outer size before showing it; a shown window that reports
// another frame corrects it.
class QtFrameProbe {
public:
  // What is assumed where nothing can be measured: a 1-pixel border and a 19-pixel caption.
  static constexpr FrameExtents Fallback{1, 20, 1, 1};

  FrameExtents For(TBorderStyle style);
  // A shown window of this style has this frame; returns whether it differed.
  bool Observed(TBorderStyle style, const FrameExtents& frame);

private:
  void Measure();

  bool FMeasured = false;
  std::array<FrameExtents, 4> FFrames{};
};
