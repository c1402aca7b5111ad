#pragma once

#include <QString>

namespace smscfg {

// Where the window's messages go: a modal box on screen, a list in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns at once: the box stays open while the program goes on.
    virtual void show(const QString &text) = 0;
    // These wait for the answer, in a nested event loop.
    // A question with a yes (`yes`, e.g. "应用") and a 取消 answer.
    virtual bool ask(const QString &text, const QString &yes) = 0;
    // Where to read or write a file: empty when the operator cancels.
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &suggested, const QString &filter) = 0;
};

}  // namespace smscfg
