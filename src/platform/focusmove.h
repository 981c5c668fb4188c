#pragma once

class QWidget;

// Moves the focus from the control that has it to the next one in tab
// order within owner's window, after the current event is handled (so that
// a change handler can ask for it while the text is still changing).
void PostFocusNext(QWidget* owner);
// The same at once.
void FocusNext(QWidget* owner);
