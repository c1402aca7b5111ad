#pragma once

#include <QString>

namespace smscfg {

// Where operator messages go: a modal box in the window, stderr/stdout in the
// CLI, a list in tests. show() may run a nested event loop.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString &text) = 0;
};

}  // namespace smscfg
