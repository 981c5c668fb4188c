#pragma once

#include "tprogressform.h"

// The progress window whose closing position its creator chooses.
class TProgressForm2 : public TProgressForm {
public:
    explicit TProgressForm2(QWidget* parentDialog) : TProgressForm(parentDialog, Maximum + 1) {}

    void SetLimit(int position) { closingPosition_ = position; }
    int Limit() const { return closingPosition_; }
};
