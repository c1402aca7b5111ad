#pragma once

#include "controller/controller_state.h"

#include <QString>
#include <optional>

namespace smscfg::sim {

using controller::ControllerState;

// The --state file: the controller's state as JSON, kept across restarts.

// The state the file holds; a file that does not exist holds a controller
// that was never set. nullopt, with the reason in `error`, for a file that
// cannot be read as a state.
std::optional<ControllerState> readStateFile(const QString &path, QString *error);

// Replaces the file whole: the state goes into a temporary file beside it
// ("state.json.smscfg-sim-" and six letters or digits), which is then renamed over it,
// so that a reader never sees half a state.
bool writeStateFile(const QString &path, const ControllerState &state, QString *error);

// The temporary files a writer killed before its rename left beside `path`:
// regular files named like ours and nothing else. Returns how many were
// removed.
int removeLeftoverTemporaries(const QString &path);

}  // namespace smscfg::sim
