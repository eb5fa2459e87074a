#pragma once

#include "options/qt/OptionsPage.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace trumbel {

// Page 1: the skin folder and file, the load log, and the built-in skins.
class SkinPage final : public OptionsPage {
public:
    SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    // Takes a folder still being typed.
    void Apply() override;

    QLineEdit* folderField() { return folder_; }
    QListWidget* skinList() { return list_; }
    QCheckBox* builtInBox() { return builtIn_; }
    QRadioButton* horizontalButton() { return horizontal_; }
    QRadioButton* verticalButton() { return vertical_; }
    QPlainTextEdit* logView() { return log_; }

    // How "..." asks for a folder (QFileDialog unless a test answers); "" when cancelled.
    std::function<QString(QWidget* parent, const QString& prompt, const QString& start)>
        chooseFolder;

private:
    // The field's folder, a relative one taken in the program's folder.
    std::string ResolvedFolder();
    // Takes the field's folder into the record and lists its skins, or says it is not there
    // and keeps the folder in use.
    void TakeFolder();
    void ShowNoFolder();
    // The skin list from the folder now in the record; selects the file in use.
    void FillSkinList();
    void SkinChosen(int row);
    void BuiltInToggled(bool on);
    void TypeChosen(int type);
    // The check box and the log after a load, which may have fallen back on a built-in skin.
    void ShowLoadResult();

    QLineEdit* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QCheckBox* builtIn_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QRadioButton* vertical_ = nullptr;
    QTimer* folderPause_ = nullptr;
    // The folder the list was made for.
    std::string listedFolder_;
    bool searching_ = false;
    bool searchAgain_ = false;
};

} // namespace trumbel
