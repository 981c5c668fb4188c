#pragma once

#include "messagebox.h"

#include <QList>

// For tests: while it lives, every message box is recorded and answered
// with the next of the queued answers (the default answer once the queue
// is empty). The responder it replaced comes back when it goes.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(MessageBox::Answer defaultAnswer = MessageBox::Answer::Ok);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswer(MessageBox::Answer answer);
    const QList<MessageBox::Request>& Boxes() const { return boxes_; }
    int Count() const { return static_cast<int>(boxes_.size()); }
    void Clear() { boxes_.clear(); }

private:
    MessageBox::Answer defaultAnswer_;
    QList<MessageBox::Answer> queued_;
    QList<MessageBox::Request> boxes_;
    MessageBox::Responder previous_;
};
