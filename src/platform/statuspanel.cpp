#include "statuspanel.h"

StatusPanel::StatusPanel(int width, QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(width);
}
