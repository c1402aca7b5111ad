#pragma once

#include <QString>

#include <functional>

namespace smscfg {

// What the operator is asked before a profile's steps go out.
struct StepsQuestion {
    QString summary;  // a few lines: the profile, how many steps of each kind
    qsizetype count = 0;
    // Step i's line, "1. 0x46 设备总数 = 12": made only when it is shown,
    // since a profile may hold 100,000 steps.
    std::function<QString(qsizetype)> step;
    // A check box under the steps (e.g. "出错后继续"), unticked at first.
    QString option;
};

// Where the window's messages go: a modal box on screen, a list in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns at once: the box stays open while the program goes on.
    virtual void show(const QString &text) = 0;
    // These wait for the answer, in a nested event loop.
    // Whether to apply a profile's steps: the summary, every step in a list,
    // the option, 应用 and 取消; `ticked` says how the option was left.
    virtual bool confirmSteps(const StepsQuestion &question, bool *ticked) = 0;
    // Where to read or write a file, starting in `folder` (open) or at
    // `suggested` (save): empty when the operator cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &suggested, const QString &filter) = 0;
};

}  // namespace smscfg
