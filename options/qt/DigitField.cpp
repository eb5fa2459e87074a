#include "DigitField.h"

#include "options/FieldRules.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace trumbel {

namespace {

class DigitFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            // A key that types nothing here is editing (Delete, arrows) or a shortcut.
            if (!text.isEmpty() && key->key() != Qt::Key_Backspace) {
                const char32_t typed = text.toUcs4().value(0);
                if (typed >= 0x20 && !DigitFieldAccepts(typed)) {
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void MakeDigitOnly(QLineEdit* field) {
    field->installEventFilter(new DigitFilter(field));
}

} // namespace trumbel
