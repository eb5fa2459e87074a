#pragma once

#include "options/OptionsState.h"
#include "options/qt/OptionsPage.h"
#include "options/qt/PopupHelp.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace trumbel {

// How the dialog asks for a file to open or save (QFileDialog unless a test answers); ""
// when the person cancelled.
struct OptionFileDialogs {
    std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                          const QString& filter)>
        open;
    std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                          const QString& filter)>
        save;
};

// The options dialog: the page list, the ten pages and the six buttons. Modeless; the program
// keeps one and shows it again. Closing it any way but "決定" puts the record back as it was
// when the dialog opened or was last applied.
class OptionsDialog final : public QDialog { // Form2
public:
    explicit OptionsDialog(OptionsHost& host, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Loads (when not loaded) and shows the dialog; a page that names one is shown, else the
    // page of the load stays.
    void Open(std::optional<OptionsPageId> page);
    bool Loaded() const { return state_.Loaded(); }

    void ShowPage(OptionsPageId page);
    OptionsPageId CurrentPage() const { return state_.CurrentPage(); }
    OptionsPage* Page(OptionsPageId id) { return pages_[static_cast<std::size_t>(id)]; }

    // The buttons' actions.
    void Ok();
    void Cancel();
    void ApplySettings();
    void ResetPage();
    void ResetAll();
    void SaveOptionFile();
    void OpenOptionFile();

    // Every page from the record again (after a reset or an option file).
    void Refill();
    // The 10-second timer: adapter names and the layout tree brought up to date.
    void Tick();

    OptionsDialogState& state() { return state_; }
    PopupHelp& popupHelp() { return help_; }
    OptionFileDialogs fileDialogs;
    // How the "リセット" menu of the reset button runs (QMenu::exec unless a test decides).
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> execResetMenu;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Load();
    void Unload();
    void PopupResetMenu(const QPoint& globalPos);
    QString OptionFolder();

    OptionsDialogState state_;
    PopupHelp help_;
    QListWidget* list_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QTimer* timer_ = nullptr;
    std::array<OptionsPage*, kOptionsPageCount> pages_{};
    QPushButton* resetButton_ = nullptr;
};

} // namespace trumbel
