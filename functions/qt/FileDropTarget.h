#pragma once

#include "functions/FunctionLauncher.h"

#include <QObject>
#include <QString>

class QWidget;

namespace trumbel {

// Lets files be dropped on a window: the window takes the focus and the launcher registers the
// first local file of the drop. Drops without a file list are refused.
class FileDropTarget final : public QObject {
public:
    FileDropTarget(QWidget& window, FunctionLauncher& launcher);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QString offered_; // the file of the drag over the window
    FunctionLauncher& launcher_;
};

} // namespace trumbel
