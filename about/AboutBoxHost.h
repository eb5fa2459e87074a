#pragma once

namespace trumbel {

// The about box as the program opens it: modal, the call returns once it has closed.
class AboutDialog {
public:
    virtual ~AboutDialog() = default;
    virtual void ShowModal() = 0;
};

} // namespace trumbel
