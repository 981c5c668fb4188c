#pragma once

class QWidget;

// The integer tag every control carries (0 until set): pages keep small
// numbers on their controls, such as the port a check box stands for.
int GetTag(const QWidget* widget);
void SetTag(QWidget* widget, int tag);
