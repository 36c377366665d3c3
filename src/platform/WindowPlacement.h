#pragma once

class QWidget;

// Places a window in the middle of the screen it is on.
void CenterOnScreen(QWidget* window);

// Centres the window on its screen each time it is shown. The program's windows open there rather
// than over their owner, so they stand in the same place whether or not the main window is
// maximised.
void OpenCentredOnScreen(QWidget* window);
