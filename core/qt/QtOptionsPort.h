#pragma once

#include "core/Ports.h"
#include "options/OptionsHost.h"

#include <functional>
#include <memory>

class QWidget;

namespace trumbel {

class OptionsDialog;

// The program's options port: one options dialog, made when first asked for and shown again
// afterwards. Opening it on a page shows that page; the modeless open keeps its page.
class QtOptionsPort final : public OptionsPort {
public:
    // `owner`, the strip, keeps the dialog above itself while the dialog is open.
    QtOptionsPort(OptionsHost& host, QWidget& owner);
    ~QtOptionsPort() override;

    void OpenOptions(std::optional<OptionsPageId> page) override;
    void UnloadOptions() override;

    // The dialog, once it has been made (tests drive it).
    OptionsDialog* Dialog() { return dialog_.get(); }
    // Told of every dialog made (tests answer its file dialogs and menus).
    std::function<void(OptionsDialog&)> onCreated;

private:
    OptionsHost& host_;
    QWidget& owner_;
    std::unique_ptr<OptionsDialog> dialog_;
};

} // namespace trumbel
