#pragma once

#include "skin/FindFiles.h"

#include <QLabel>
#include <QWidget>
#include <memory>

namespace trumbel {

// The search-progress window: a title line and the folder being searched.
class SearchProgressWindow final : public QWidget, public SearchProgressView { // FormSearchDir
public:
    SearchProgressWindow();
    void SetCurrentDir(const std::string& firstCharacters) override;

private:
    QLabel* LabelTitle; // Label1
    QLabel* LabelCurrentDir;
};

// Opens the window for FindFiles when a search runs long.
std::unique_ptr<SearchProgressView> OpenSearchWindow();

} // namespace trumbel
