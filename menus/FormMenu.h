#pragma once

#include "base/Ui.h"
#include "menus/MenuHost.h"
#include "menus/MenuTree.h"
#include "settings/Settings.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace trumbel {

// What the profile list's captions add to a profile's name.
inline constexpr std::string_view kProfileSuffix = "の設定";

// The menus a popup shows: a top-level menu or one of the main menu's submenus.
enum class PopupMenu {
    Main,
    FunctionAll,
    FunctionPickUp,
    SkinList,
    ChangeOption,
    StartUnit,
    EndUnit,
    SlotRoot,
    UnitContainer
};

// The model of every popup menu: the item tree, the lists filled before a popup and emptied
// after it, the states of the layout menus, and what the main menu's commands do. Shows
// nothing; a view builds real menus from Root().
class FormMenu {
public:
    FormMenu(Settings& settings, MenuSources& sources, Ui& ui);

    // At start: whether icon menus are in force this run, and the topmost check.
    void Load(IconMenus iconMenus);
    IconMenus iconMenus() const { return iconMenus_; }

    // -1 everything; 0 the function list; 1 the favourites; 2 the skin list; 3 profiles and
    // option files.
    void SetMenu(int mode);
    // Keeps the lists while a popup is open: a second caller must not pull them from under it.
    void DeleteFileList();
    bool ListsBuilt() const { return listsBuilt_; }

    void SetNetWorkDevice(MenuDevices& devices);
    void DeleteNetworkDevice();
    int NetworkDeviceCount() const { return networkDeviceCount_; }

    // The states of the slot and container menus for layout tree node `node` ("slot"/"unit"
    // key without its prefix).
    void SetMenuEnabled(int node);
    // The radio check of the start or end unit menu, from the layout.
    void SetUnitRadio(TopMenu which);

    // Kept by the skin loader: the skin's web site, shown while a file skin names one.
    void SetSkinLink(const std::string& siteName, const std::string& url);
    void SetTopMostChecked(bool checked);
    void SetShowBiggerChecked(bool checked);
    // Help is offered when the help page exists in the program's folder or the installed one.
    void SetHelpEnabled(bool enabled);

    const MenuItem& Root(PopupMenu menu) const;
    MenuItem& Top(TopMenu menu) { return menus_[static_cast<std::size_t>(menu)]; }
    const MenuItem& Top(TopMenu menu) const { return menus_[static_cast<std::size_t>(menu)]; }
    // The item of that name and index anywhere in the four menus; null when absent.
    const MenuItem* Find(const std::string& name, int index = kSingleItem) const;

    const std::vector<std::string>& FunctionFileNames() const { return functionFileNames_; }
    const std::vector<std::string>& FavouriteFileNames() const { return favouriteFileNames_; }

    // Prepares the lists `menu` shows, shows it through the presenter and runs the chosen
    // command once the menu has closed. The lists stay until DeleteFileList. A popup asked for
    // while another is open is refused.
    void Popup(PopupMenu menu, MenuPresenter& presenter, MenuActions& actions);
    // The same with the chosen item handed to `run` (the layout menus carry out their own).
    void Popup(PopupMenu menu, MenuPresenter& presenter,
               const std::function<void(const MenuCommand&)>& run);
    bool PopupOpen() const { return popupOpen_; }

    // Carries out a chosen main-menu command: the handler the tree declares with the item.
    // Unknown names, disabled items and placeholders do nothing.
    void Run(const MenuCommand& command, MenuActions& actions);

    // The help page to open: in the program's folder, else the installed copy; "" for none.
    // A preferred page (the one in the program's language) found in either folder comes first.
    std::string HelpPage() const;
    void PreferHelpPage(std::string fileName) { preferredHelpPage_ = std::move(fileName); }
    // The page a missing help names: the preferred one when there is one.
    std::string HelpPageName() const {
        return preferredHelpPage_.empty() ? "Trumbel.html" : preferredHelpPage_;
    }
    // The web site of the file skin in use while its menu item is shown; "" otherwise.
    const std::string& SkinUrl() const { return skinUrl_; }

private:
    MenuItem* Item(const std::string& name, int index = kSingleItem);
    MenuItem& AddEntry(const std::string& list, std::string caption, std::string icon);
    // Another machine's devices at the end of the device lists, each caption after `prefix`.
    void AddRemoteDevices(int host, const std::string& prefix, MenuDevices& devices);
    void RemoveEntries(const std::string& list);
    void HidePlaceholderIfFilled(const std::string& list);
    void FillFunctionList(FunctionList which, int mode);
    void FillSkinList();
    void FillOptionFiles();

    Settings& settings_;
    MenuSources& sources_;
    Ui& ui_;
    std::array<MenuItem, 4> menus_;
    IconMenus iconMenus_ = IconMenus::Off;
    bool listsBuilt_ = false;
    bool popupOpen_ = false;
    std::vector<std::string> functionFileNames_;
    std::vector<std::string> favouriteFileNames_;
    int networkDeviceCount_ = 0;
    std::string skinUrl_;
    std::string preferredHelpPage_;
};

// What a main-menu command works on when it runs: the item chosen, the menu it was chosen from
// and the program around it.
struct MenuCommandContext {
    FormMenu& menu;
    MenuItem& item;
    Settings& settings;
    MenuSources& sources;
    Ui& ui;
    MenuActions& program;
};

} // namespace trumbel
