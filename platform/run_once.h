#pragma once
// A command run once at the user's next log-on: a freedesktop autostart entry
// ($XDG_CONFIG_HOME/autostart, default ~/.config/autostart) that Penwick removes when it is started by it.

#include <QString>

namespace penwick {

// The autostart folder ($XDG_CONFIG_HOME/autostart or ~/.config/autostart).
QString AutostartFolder();
// Writes (replacing) the entry <name>.desktop whose Exec starts program with one argument (the argument may
// be empty: then none). The entry sets PENWICK_RUN_ONCE to its own path so the started program can remove it.
bool RegisterRunOnce(const QString& name, const QString& program, const QString& argument, QString* error);
// Called at start: when PENWICK_RUN_ONCE names an entry in the autostart folder, removes that file and unsets
// the variable. Returns true when an entry was removed.
bool ConsumeRunOnce();

}  // namespace penwick
