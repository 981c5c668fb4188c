#include "messageboxrecorder.h"

MessageBoxRecorder::MessageBoxRecorder(MessageBox::Answer defaultAnswer) : defaultAnswer_(defaultAnswer) {
    previous_ = MessageBox::SetResponder([this](const MessageBox::Request& request) {
        boxes_.append(request);
        return queued_.isEmpty() ? defaultAnswer_ : queued_.takeFirst();
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    MessageBox::SetResponder(std::move(previous_));
}

void MessageBoxRecorder::QueueAnswer(MessageBox::Answer answer) {
    queued_.append(answer);
}
