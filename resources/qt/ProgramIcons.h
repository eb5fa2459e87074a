#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace trumbel {

// The program's own icons by resource name: the 16 px menu and tree icons ("icon_hdd"), the
// 32 px options pages ("OPT_110"), the clock status icons ("clock_10" … "clock_13") and the
// program icon "symbol" with all its sizes. A null icon for a name the program does not carry,
// so a caller shows no icon rather than a wrong one.
QIcon ProgramIcon(std::string_view name);

// One size of it (the nearest drawn size scaled); null for an unknown name.
QPixmap ProgramPixmap(std::string_view name, int size);

} // namespace trumbel
