#include "cli/send.h"

#include "exchange/traffic_text.h"
#include "link/port_text.h"
#include "link/qt_serial_link.h"
#include "link/step_runner.h"
#include "link/traffic_log.h"
#include "qt_boundary/core_types.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>

namespace smscfg::cli {
namespace {

int exitCodeOf(Exchange::Outcome outcome)
{
    switch (outcome) {
    case Exchange::Outcome::Accepted: return Accepted;
    case Exchange::Outcome::Refused: return Refused;
    case Exchange::Outcome::PortUnusable:
    case Exchange::Outcome::LinkLost: return PortUnusable;
    case Exchange::Outcome::NoResponse:
    case Exchange::Outcome::NoVerdict: return NoVerdict;
    }
    return NoVerdict;
}

// One controller on one port: the line, its exchange and, with --trace, its
// traffic on stderr.
struct Session {
    Session(const QString &portText, const Invocation &inv, QTextStream &err, bool tagLines, const LineSeam &seam)
        : port(portText), link(seam.makeLink ? seam.makeLink() : std::make_unique<QtSerialLink>()),
          exchange(*link, timingsOf(inv), *seam.time)
    {
        if (!inv.trace)
            return;
        trace = std::make_unique<TrafficLog>(exchange);
        const QString tag = tagLines ? portDisplayName(port) + QStringLiteral("  ") : QString();
        QObject::connect(trace.get(), &TrafficLog::entry, [&err, tag](const TrafficEntry &entry) {
            err << tag << formatTrafficEntry(entry) << Qt::endl;
        });
    }

    bool open(QTextStream &err)
    {
        OpenError error;
        if (link->open(port, &error)) {
            if (trace)
                trace->portEvent(portOpenedMessage(port));
            return true;
        }
        err << unusablePortMessage(port, error) << '\n';
        return false;
    }

    // The line went away while open: said once, and on the trace.
    void reportLost(QTextStream &err)
    {
        if (trace)
            trace->portEvent(linkLostMessage(port));
        else
            err << linkLostMessage(port) << '\n';
    }

    QString port;
    std::unique_ptr<SerialLink> link;
    Exchange exchange;
    std::unique_ptr<TrafficLog> trace;
};

}  // namespace

int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err,
                   const LineSeam &seam)
{
    Session session(toQString(inv.ports.front()), inv, err, false, seam);
    if (!session.open(err))
        return PortUnusable;
    QEventLoop loop;
    int code = NoVerdict;
    QObject::connect(&session.exchange, &Exchange::finished, &loop, [&](const Exchange::Result &result) {
        const QString message = toQString(outcomeMessage(result.outcome));
        if (!message.isEmpty())
            out << message << Qt::endl;
        if (result.outcome == Exchange::Outcome::NoVerdict && !inv.trace)
            err << toQString(verdictText(result)) << '\n';
        code = exitCodeOf(result.outcome);
        loop.quit();
    });
    // Nothing can answer on a line that is gone.
    QObject::connect(session.link.get(), &SerialLink::linkLost, &loop, [&] {
        session.reportLost(err);
        code = PortUnusable;
        loop.quit();
    });
    session.exchange.send(toQByteArray(frame.bytes()));
    // The exchange always finishes: by a reply, the time-out or a failed write.
    if (session.exchange.awaitingReply())
        loop.exec();
    return code;
}

int applyOverSerial(const Invocation &inv, const std::vector<ProfileStep> &steps, QTextStream &out, QTextStream &err,
                    const LineSeam &seam)
{
    QList<QByteArray> frames;
    for (const ProfileStep &step : steps)
        frames << toQByteArray(step.frame.bytes());
    const bool several = inv.ports.size() > 1;

    struct Run {
        std::unique_ptr<Session> session;
        std::unique_ptr<StepRunner> runner;
        TimeSource::Clock::time_point started{};
        qint64 elapsedMs = 0;  // from its first step to its own end
        int code = Accepted;
        qsizetype accepted = 0;
        qsizetype refused = 0;
        qsizetype unanswered = 0;  // no response, or no verdict
        bool done = false;
    };
    std::vector<Run> runs(inv.ports.size());
    QEventLoop loop;
    const auto msSinceStart = [&seam](const Run &r) {
        return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(seam.time->now() - r.started).count());
    };
    auto finishIfAllDone = [&] {
        if (std::all_of(runs.cbegin(), runs.cend(), [](const Run &r) { return r.done; }))
            loop.quit();
    };
    for (size_t p = 0; p < runs.size(); ++p) {
        Run &run = runs[p];
        run.session = std::make_unique<Session>(toQString(inv.ports[p]), inv, err, several, seam);
        if (!run.session->open(err)) {
            run.code = PortUnusable;
            run.done = true;
            continue;
        }
        run.runner = std::make_unique<StepRunner>(run.session->exchange, frames, inv.keepGoing);
        const QString port = portDisplayName(run.session->port);
        QObject::connect(run.runner.get(), &StepRunner::stepFinished,
                         [&, port, p](qsizetype index, const Exchange::Result &result) {
                             Run &r = runs[p];
                             out << QCoreApplication::translate("Apply", "%1  第%2步  %3  %4  %5 ms")
                                        .arg(port)
                                        .arg(index + 1)
                                        .arg(toQString(printableWords(steps[size_t(index)].words)), toQString(verdictText(result)))
                                        .arg(result.roundTrip.count())
                                    << Qt::endl;
                             r.code = worseExitCode(r.code, exitCodeOf(result.outcome));
                             ++(result.outcome == Exchange::Outcome::Accepted  ? r.accepted
                                : result.outcome == Exchange::Outcome::Refused ? r.refused
                                                                               : r.unanswered);
                         });
        QObject::connect(run.runner.get(), &StepRunner::done, [&, p](bool) {
            if (runs[p].done)
                return;
            runs[p].done = true;
            runs[p].elapsedMs = msSinceStart(runs[p]);
            finishIfAllDone();
        });
        QObject::connect(run.session->link.get(), &SerialLink::linkLost, [&, p] {
            Run &r = runs[p];
            r.session->reportLost(err);
            r.code = PortUnusable;
            r.runner->cancel();
            if (!r.done) {
                r.done = true;
                r.elapsedMs = msSinceStart(r);
                finishIfAllDone();
            }
        });
    }
    for (Run &run : runs) {
        if (run.runner) {
            run.started = seam.time->now();
            run.runner->start();
        }
    }
    if (!std::all_of(runs.cbegin(), runs.cend(), [](const Run &r) { return r.done; }))
        loop.exec();

    int code = Accepted;
    const auto stepCount = qsizetype(steps.size());
    out << QCoreApplication::translate("Apply", "汇总（%1步）：").arg(stepCount) << Qt::endl;
    for (const Run &run : runs) {
        const QString port = portDisplayName(run.session->port);
        if (!run.runner) {
            out << QCoreApplication::translate("Apply", "%1  串口不能用，未发送").arg(port) << Qt::endl;
        } else {
            out << QCoreApplication::translate("Apply", "%1  成功 %2，失败 %3，无响应 %4，未发送 %5，共 %6 ms")
                       .arg(port)
                       .arg(run.accepted)
                       .arg(run.refused)
                       .arg(run.unanswered)
                       .arg(stepCount - run.accepted - run.refused - run.unanswered)
                       .arg(run.elapsedMs)
                << Qt::endl;
        }
        code = worseExitCode(code, run.code);
    }
    return code;
}

}  // namespace smscfg::cli
