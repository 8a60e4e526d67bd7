#pragma once

#include <QIcon>

// The program's icon: a small meter with three bars, 32 by 32 pixels in colours of the classic
// 16-colour palette. Every window and the tray icon use it.
QIcon ProgramIcon();
