#pragma once

#include <QString>

#include <memory>

namespace smscfg::sim {

// The symbolic link --link PATH to the tool's side of the simulator's line.
//
// It is made only where nothing is, or in place of a link whose target is
// gone (a dangling one, such as a killed simulator leaves: its terminal went
// with it). Anything else at PATH (a file, a device, a folder, a link to
// anything else, a link to a terminal that a simulator, a serial bridge or
// someone's shell still has open) is left alone and the link is refused. The link is made
// under a temporary name and moved into place in one step, after the checks,
// so that nothing that appears at PATH meanwhile is lost.
class ToolLink {
public:
    // nullptr, with the reason in `error`, when PATH is refused.
    static std::unique_ptr<ToolLink> create(const QString &path, const QString &target, QString *error);
    // Removes the link, if it still points at `target`.
    ~ToolLink();
    ToolLink(const ToolLink &) = delete;
    ToolLink &operator=(const ToolLink &) = delete;

private:
    ToolLink(QString path, QString target) : m_path(std::move(path)), m_target(std::move(target)) {}

    QString m_path;
    QString m_target;
};

}  // namespace smscfg::sim
