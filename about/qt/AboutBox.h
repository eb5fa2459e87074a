#pragma once

#include "about/AboutBoxHost.h"
#include "about/AboutText.h"
#include "base/Ui.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace trumbel {

// What the about box asks of the desktop.
struct AboutDesktop {
    // Opens a web address or mail link with the desktop's default application.
    std::function<void(const std::string&)> open;
    // A program's full path on the search path; nullopt when it is not there.
    std::function<std::optional<std::string>(const std::string&)> findProgram;
    // Starts a program on its own; false when it could not be started.
    std::function<bool(const SystemInfoTool&)> start;
};

// The about box: the program icon, name, version, description, the maker's links and
// the system information button.
class AboutBox final : public QDialog { // Form3
public:
    AboutBox(Ui& ui, AboutDesktop desktop, QWidget* parent = nullptr);

    // The system information button: the first viewer found, else the message.
    void StartSysInfo();

    QLabel* ImageSymbol = nullptr; // Image1
    QLabel* LabelName = nullptr;
    QLabel* LabelVersion = nullptr;
    QPlainTextEdit* TextDescription = nullptr; // Text2
    QLabel* LabelHomePage = nullptr;
    QLabel* LabelMail = nullptr;
    QPushButton* CmdOk = nullptr; // Command1
    QPushButton* CmdSysInfo = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Ui& ui_;
    AboutDesktop desktop_;
};

// The live program's about box, opened over the skin window.
class QtAboutDialog final : public AboutDialog {
public:
    QtAboutDialog(Ui& ui, AboutDesktop desktop, std::function<QWidget*()> owner)
        : ui_(ui), desktop_(std::move(desktop)), owner_(std::move(owner)) {}
    void ShowModal() override;

    // Called with the open box (tests and screenshots look at it).
    std::function<void(AboutBox&)> onShown;

private:
    Ui& ui_;
    AboutDesktop desktop_;
    std::function<QWidget*()> owner_;
};

// The desktop as it is: xdg-open through Qt, the search path, a detached process.
AboutDesktop LiveAboutDesktop(std::function<void(const std::string&)> open);

} // namespace trumbel
