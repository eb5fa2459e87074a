#pragma once

#include "base/Ui.h"

class QWidget;

namespace trumbel {

// Real message boxes. Texts keep their CR LF in the core; the box shows plain line breaks.
class QtUi final : public Ui {
public:
    explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};

} // namespace trumbel
