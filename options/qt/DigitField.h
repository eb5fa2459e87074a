#pragma once

class QLineEdit;

namespace trumbel {

// Lets `field` take only what DigitFieldAccepts allows from the keyboard; keys that type
// nothing (arrows, Delete, shortcuts) pass.
void MakeDigitOnly(QLineEdit* field);

} // namespace trumbel
