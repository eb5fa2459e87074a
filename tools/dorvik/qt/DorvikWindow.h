#pragma once

#include "tools/dorvik/Search.h"

#include <QDialog>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace dorvik {

using UrlOpener = std::function<void(const std::string& url)>;

// The desktop's default browser, or the program named by DORVIK_OPEN_COMMAND when it is set.
UrlOpener DefaultOpener();

class DorvikWindow final : public QDialog {
public:
    DorvikWindow(const Startup& start, UrlOpener opener);

private:
    void SelectTarget(Target target);
    void Search();

    UrlOpener opener_;
    QLineEdit* keyword_;        // Text1
    QButtonGroup* targetGroup_; // Option1
    QCheckBox* fullText_;       // Check1
};

} // namespace dorvik
