#pragma once

class QWidget;

// Places a window over the middle of the application's main window, or
// leaves it where it is when there is none yet.
void CentreOnMainWindow(QWidget* window);
