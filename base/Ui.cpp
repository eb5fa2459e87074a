#include "base/Ui.h"

#include <cstdio>

namespace trumbel {

MsgAnswer DefaultAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    }
    return MsgAnswer::Ok;
}

MsgAnswer PrintingUi::MessageBox(const MessageBoxRequest& request) {
    std::string text;
    for (char c : request.text) {
        if (c != '\r') {
            text += c;
        }
    }
    std::fprintf(stderr, "[%s]\n%s\n", request.title.c_str(), text.c_str());
    return DefaultAnswer(request.buttons);
}

MsgAnswer RecordingUi::MessageBox(const MessageBoxRequest& request) {
    const std::size_t index = shown.size();
    shown.push_back(request);
    if (index < answers.size()) {
        return answers[index];
    }
    return DefaultAnswer(request.buttons);
}

} // namespace trumbel
