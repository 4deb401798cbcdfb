#pragma once
#include <QString>

namespace penwick {

// The folder that holds Penwick's settings, sets files, desktops, templates and help pages:
// $PENWICK_HOME when set (created if missing); else the executable's folder when it is writable; else
// ~/.config/penwick (created). Always returns an absolute path without a trailing separator. When the folder
// cannot be created, *error (if given) says so and why, for the user; otherwise it is cleared.
QString ProgramFolder(QString* error = nullptr);

}  // namespace penwick
