#pragma once

#include "tray/TaskIcon.h"
#include "tray/TraySource.h"

#include <memory>
#include <string>
#include <vector>

namespace trumbel::test {

// Every operation on every fake icon, in order: "<object> <operation> <details>".
struct TrayJournal {
    std::vector<std::string> calls;
    int objects = 0;
};

// Keeps the created flag exactly as the real icon does, and records what it was asked.
class FakeTaskIcon final : public TaskIcon {
public:
    FakeTaskIcon(TrayJournal& j, int id) : j_(j), id_(id) {}
    ~FakeTaskIcon() override {
        DeleteTrayIcon();
        Log("destroyed");
    }
    bool CreateTrayIcon(int number, const TrayIconHandle& icon, const std::string& tip) override {
        if (shown_) {
            return false;
        }
        Log("add " + std::to_string(number) + " " + tip);
        image = icon;
        shown_ = true;
        return addSucceeds;
    }
    bool ChangeTrayIcon(const TrayIconHandle& icon, const std::string& tip) override {
        if (!shown_) {
            return false;
        }
        Log("modify " + tip);
        image = icon;
        return true;
    }
    bool DeleteTrayIcon() override {
        if (!shown_) {
            return false;
        }
        Log("delete");
        shown_ = false;
        return true;
    }
    bool ShowBalloonToolTip(const std::string& text, int flgIcon, const std::string& title,
                            int timeoutMs, EraseBeforeBalloon erase) override {
        if (!shown_) {
            return false;
        }
        Log("balloon " + title + "|" + text + "|" + std::to_string(flgIcon) + "|" +
            std::to_string(timeoutMs) + (erase == EraseBeforeBalloon::Yes ? "|erase" : ""));
        return true;
    }
    bool DeleteBalloonToolTip() override {
        if (!shown_) {
            return false;
        }
        Log("clear balloon");
        return true;
    }
    bool IconShown() const override { return shown_; }

    TrayIconHandle image;
    bool addSucceeds = true;

private:
    void Log(const std::string& s) { j_.calls.push_back(std::to_string(id_) + " " + s); }
    TrayJournal& j_;
    int id_;
    bool shown_ = false;
};

class FakeTaskIconHost final : public TaskIconHost {
public:
    explicit FakeTaskIconHost(TrayJournal& j) : j_(j) {}
    std::unique_ptr<TaskIcon> MakeIcon() override {
        return std::make_unique<FakeTaskIcon>(j_, ++j_.objects);
    }
    TrayIconHandle Symbol() override { return symbol; }
    bool TrayAvailable() const override { return trayAvailable; }

    TrayIconHandle symbol = std::make_shared<const TrayImage>();
    bool trayAvailable = true;

private:
    TrayJournal& j_;
};

} // namespace trumbel::test
