#pragma once

class QLineEdit;

namespace trumbel {

// Lets `field` hold only digits, however the text comes (keys, a paste, an input method);
// full-width digits are taken as digits.
void MakeDigitOnly(QLineEdit* field);

} // namespace trumbel
