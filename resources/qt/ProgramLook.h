#pragma once

#include "base/UiLanguage.h"

#include <QFont>

class QCoreApplication;

namespace trumbel {

// The language the program speaks: the desktop's first UI language, TRUMBEL_LANG overriding.
UiLanguage ProgramLanguage();

// The program's texts and Qt's own (Yes/No, OK/Cancel, the file and folder dialogs) in the
// program's language; the one place that chooses it. The translations stay installed while
// `app` lives.
void InstallProgramLanguage(QCoreApplication& app);

// The face every dialog of the program asks for, at 9 points. The requested face is not
// installed on Linux: it stands for an ordered list of Japanese UI faces that also carry Latin
// digits, so one face draws a whole label instead of one per script.
QFont DialogFont();

} // namespace trumbel
