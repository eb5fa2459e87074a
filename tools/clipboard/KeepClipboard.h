#pragma once

#include <QString>

namespace tools {

// Puts text on the clipboard and keeps serving it until another program owns the clipboard:
// on X11 a clipboard dies with its owner, and a copied text must outlive the windows. Returns
// the exit code for main().
int CopyAndKeepServing(const QString& text);

} // namespace tools
