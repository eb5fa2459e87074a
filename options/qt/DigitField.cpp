#include "options/qt/DigitField.h"

#include "options/FieldRules.h"

#include <QLineEdit>
#include <QValidator>

namespace trumbel {

namespace {

// Checks every change, typed, pasted or composed by an input method alike: full-width digits
// become digits, and a change bringing anything else is refused whole, so the field always
// shows the number that is stored.
class DigitValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        for (QChar& c : input) {
            if (c >= QChar(u'０') && c <= QChar(u'９')) {
                c = QChar(u'0' + (c.unicode() - u'０'));
            }
            if (!DigitFieldAccepts(c.unicode())) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

} // namespace

void MakeDigitOnly(QLineEdit* field) {
    // Nine digits always fit the stored whole number.
    field->setMaxLength(9);
    field->setValidator(new DigitValidator(field));
}

} // namespace trumbel
