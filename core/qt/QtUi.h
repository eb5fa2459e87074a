#pragma once

#include "base/Ui.h"

#include <string>

class QWidget;

namespace trumbel {

// Real message boxes. Texts keep their CR LF in the core; the box shows plain line breaks.
class QtUi final : public Ui {
public:
    explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
    void SetBusyCursor(bool busy) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};

// A box as the one line the log keeps of it: the title in brackets, then the text with each
// line break shown as " / ".
std::string BoxLogLine(const MessageBoxRequest& request);

} // namespace trumbel
