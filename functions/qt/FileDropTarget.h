#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace trumbel {

// Lets files be dropped on a window: the window takes the focus and `dropped` gets the first
// local file of the drop. Drops without a file list are refused.
class FileDropTarget final : public QObject {
public:
    FileDropTarget(QWidget& window, std::function<void(const std::string&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QString offered_; // the file of the drag over the window
    std::function<void(const std::string&)> dropped_;
};

} // namespace trumbel
