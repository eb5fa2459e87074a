#pragma once

#include "options/qt/OptionsPage.h"

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace trumbel {

class PositionPage final : public OptionsPage {
public:
    PositionPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Shown() override;

    // How a title is asked for ("追加", "編集"): an input box unless a test answers; nullopt
    // when the person cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& current)> askTitle;

    QRadioButton* modeButton(int mode);
    QLineEdit* startXField() { return startX_; }
    QLineEdit* startYField() { return startY_; }
    QPushButton* takePositionButton() { return takePosition_; }
    QComboBox* autoSnapList() { return autoSnap_; }
    QComboBox* anchorList(int which) { return which == 1 ? anchor1_ : anchor2_; }
    QLineEdit* offsetXField() { return offsetX_; }
    QLineEdit* offsetYField() { return offsetY_; }
    QCheckBox* exclusionBox() { return exclusion_; }
    QLineEdit* exclusionWidthField() { return exclusionWidth_; }
    QLineEdit* exclusionHeightField() { return exclusionHeight_; }
    QListWidget* titleList() { return titles_; }
    QPushButton* addButton() { return add_; }
    QPushButton* editButton() { return edit_; }
    QPushButton* removeButton() { return remove_; }
    QPushButton* upButton() { return up_; }
    QPushButton* downButton() { return down_; }

private:
    void FillTitles(std::optional<int> select);
    void UpdateTitleButtons();
    void EnableParts();
    std::optional<QString> AskTitle(const QString& current);

    QButtonGroup* mode_ = nullptr;
    QLineEdit* startX_ = nullptr;
    QLineEdit* startY_ = nullptr;
    QPushButton* takePosition_ = nullptr;
    QComboBox* autoSnap_ = nullptr;
    QComboBox* anchor1_ = nullptr;
    QComboBox* anchor2_ = nullptr;
    QLineEdit* offsetX_ = nullptr;
    QLineEdit* offsetY_ = nullptr;
    QCheckBox* exclusion_ = nullptr;
    QLineEdit* exclusionWidth_ = nullptr;
    QLineEdit* exclusionHeight_ = nullptr;
    QListWidget* titles_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

} // namespace trumbel
