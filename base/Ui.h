#pragma once

#include <string>
#include <vector>

namespace trumbel {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };
// Whether hiding a balloon also removes the notification icon that carried it.
enum class ReleaseNotice { No, Yes };

struct MessageBoxRequest {
    std::string title;
    std::string text; // line breaks are CR LF, as the texts are written
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

// The answer a box gives when nobody can click it (snapshot runs, tests without an answer).
MsgAnswer DefaultAnswer(MsgButtons buttons);

// Everything the computing parts ask of the person in front of the screen. The Qt shell shows
// real boxes; headless runs print them; tests record them and answer as they choose.
class Ui {
public:
    virtual ~Ui() = default;
    virtual MsgAnswer MessageBox(const MessageBoxRequest& request) = 0;
    // The wait cursor while something slow runs on the UI thread; nothing where no one sees it.
    virtual void SetBusyCursor(bool) {}
};

// Prints each box to a stream-like sink and takes the default answer.
class PrintingUi final : public Ui {
public:
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
};

// Records every box; answers from a queue, then with the default answer.
class RecordingUi final : public Ui {
public:
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;

    std::vector<MessageBoxRequest> shown;
    std::vector<MsgAnswer> answers;
};

} // namespace trumbel
