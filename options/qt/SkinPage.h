#pragma once

#include "OptionsPage.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace trumbel {

// Page 1: the skin folder and file, the load log, and the built-in skins.
class SkinPage final : public OptionsPage {
public:
    SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;

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
    void FolderEdited(const QString& text);
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
};

} // namespace trumbel
