#pragma once

#include "options/OptionsState.h"

#include <QString>
#include <QWidget>

class QVBoxLayout;

namespace trumbel {

class PopupHelp;

// One page of the options dialog. A page builds its controls once, fills them from the live
// record whenever the dialog (re)loads, and writes each field as its control changes, asking
// the host for the effect. Handlers do nothing while the settings are busy (the dialog is
// filling), so filling never writes.
class OptionsPage : public QWidget {
public:
    OptionsPage(OptionsDialogState& state, PopupHelp& help, OptionsPageId id,
                QWidget* parent = nullptr);

    OptionsPageId Id() const { return id_; }

    // Every control from the record; runs with the settings-busy flag set.
    virtual void Fill() = 0;
    // "決定"/"適用": the page's parts that take effect only then (the function page).
    virtual void Apply() {}
    // The page comes on show.
    virtual void Shown() {}
    // The dialog's 10-second timer (adapter names may have changed); runs with NoEvents set.
    virtual void Tick() {}
    // Then, with NoEvents cleared again (the layout tree is rebuilt here).
    virtual void AfterTick() {}
    // Before an option file is saved: fields a page writes only at apply are stored now.
    virtual void StoreForSave() {}

protected:
    Settings& settings() { return state_.settings(); }
    OptionsHost& host() { return state_.host(); }
    OptionsDialogState& state() { return state_; }
    // True while the dialog fills its controls: handlers must not write then.
    bool Filling() const { return state_.SettingsBusy(); }
    // The page's column of controls, below its title.
    QVBoxLayout* body() { return body_; }
    // A short explanation for the control's popup help.
    void Help(QWidget* control, const QString& explanation);

private:
    OptionsDialogState& state_;
    PopupHelp& help_;
    OptionsPageId id_;
    QVBoxLayout* body_ = nullptr;
};

} // namespace trumbel
