#pragma once

class QApplication;

namespace trumbel {

// What every run sets on its application before anything shows: its names, that closing the
// last window does not end it, and the language of Qt's own texts.
void PrepareApplication(QApplication& app);

// Runs the program as the command line asks: the live window, a headless snapshot, or one
// printed measurement pass. Returns the process exit code.
int RunTrumbel(int argc, char** argv);

} // namespace trumbel
