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
    // The same with a check box `option` (e.g. "出错后继续"), unticked at
    // first; `ticked` says how it was left.
    virtual bool askWithOption(const QString &text, const QString &yes, const QString &option, bool *ticked) = 0;
    // Where to read or write a file, starting in `folder` (open) or at
    // `suggested` (save): empty when the operator cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &suggested, const QString &filter) = 0;
};

}  // namespace smscfg
