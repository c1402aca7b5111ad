#pragma once

#include "controller/controller_state.h"

#include <QString>
#include <memory>

namespace smscfg::sim {

using controller::ControllerState;

// The --state file: the controller's state as JSON, kept across restarts and
// held by one simulator at a time.
//
// The simulator holds a lock (flock) on the file for as long as it runs, so
// that a second simulator on the same file is refused rather than losing the
// first one's updates. Each write goes into a temporary file beside it
// ("state.json.smscfg-sim-" and six letters or digits), locked before it is
// renamed over the file, so that the lock moves with the file and a reader
// never sees half a state.
class StateFile {
public:
    // Takes the file at `path` for this simulator and reads its state into
    // `state` (a file that does not exist holds a controller that was never
    // set, and is made). Refused, with the reason in `error` and the file left
    // as it was, when another simulator holds it, when it is not a regular
    // file or holds no state, or when it cannot be written: a simulator that
    // could not keep its state must not answer 06. Temporary files left by a
    // simulator that is gone are removed.
    static std::unique_ptr<StateFile> open(const QString &path, ControllerState *state, QString *error);
    ~StateFile();
    StateFile(const StateFile &) = delete;
    StateFile &operator=(const StateFile &) = delete;

    // Replaces the file whole with `state`.
    bool write(const ControllerState &state, QString *error);

    QString path() const { return m_path; }

    // The most a state file may hold; a controller's whole state is far less.
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;

private:
    StateFile(QString path, int fd) : m_path(std::move(path)), m_fd(fd) {}

    QString m_path;
    int m_fd;  // the file as it is now, locked
};

// The temporary files a writer that is gone left beside `path`: regular files
// named like ours that nobody holds locked, and nothing else. Returns how
// many were removed.
int removeLeftoverTemporaries(const QString &path);

}  // namespace smscfg::sim
