#pragma once

#include "skin/FindFiles.h"

#include <QLabel>
#include <QWidget>
#include <memory>

namespace trumbel {

// The search-progress window: a title line and the folder being searched.
class FormSearchDir final : public QWidget, public SearchProgressView {
public:
    FormSearchDir();
    void SetCurrentDir(const std::string& firstCharacters) override;

private:
    QLabel* Label1;
    QLabel* LabelCurrentDir;
};

// Opens the window for FindFiles when a search runs long.
std::unique_ptr<SearchProgressView> OpenSearchWindow();

} // namespace trumbel
