// A drag source that offers its file for a move only and, as a file manager does, deletes the
// file when the target takes the move. Prints the action the drop ended with.
#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

class Source final : public QWidget {
public:
    explicit Source(QString file) : file_(std::move(file)) {
        setWindowTitle(QStringLiteral("move source"));
        resize(120, 120);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(file_)});
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::MoveAction, Qt::MoveAction);
        if (done == Qt::MoveAction) {
            QFile::remove(file_);
        }
        std::printf("drag ended: %d\n", static_cast<int>(done));
        std::fflush(stdout);
        QApplication::quit();
    }

private:
    QString file_;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Source source(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    source.show();
    return QApplication::exec();
}
