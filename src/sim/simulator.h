#pragma once

#include "controller/controller_state.h"
#include "controller/frame_assembler.h"
#include "sim/line_pacer.h"
#include "sim/sim_line.h"
#include "sim/state_file.h"

#include "link/time_source.h"

#include <functional>
#include <list>
#include <memory>

namespace smscfg::sim {

using controller::ControllerState;
using controller::FrameAssembler;

// Fault modes, line speed and output of the virtual controller.
struct SimOptions {
    bool refuseAll = false;  // answer 09 to every request
    bool silent = false;     // never answer
    int delayMs = 0;         // answer this late
    bool stray = false;      // one stray byte before each reply
    int splitMs = -1;        // >= 0: send each reply in two parts, this far apart
    bool shortReply = false; // send only the first five bytes
    int baud = 0;            // > 0: receive and send at this line speed
};

// The byte a stray-byte fault puts before a reply.
inline constexpr char StrayByte = char(0xEE);

// Reads requests from the line, keeps the controller's state, answers, and
// logs each request in one line. Outside text in a log line (a description,
// a path) is escaped.
class Simulator : public QObject {
    Q_OBJECT
public:
    using Log = std::function<void(const QString &line)>;
    // `stateFile` (may be null) is written after each accepted request.
    Simulator(ControllerLine &line, SimOptions options, ControllerState state, StateFile *stateFile, Log log,
              TimeSource &time = TimeSource::system(), QObject *parent = nullptr);

private:
    void onReceived(const QByteArray &bytes);
    void handle(const FrameAssembler::Item &item);
    void sendReply(const QByteArray &reply);
    void transmit(const QByteArray &bytes);
    void writeState();
    // Runs `action` `delayMs` from now.
    void later(int delayMs, std::function<void()> action);

    ControllerLine &m_line;
    SimOptions m_options;
    Log m_log;
    FrameAssembler m_assembler;
    ControllerState m_state;
    StateFile *m_stateFile;
    TimeSource &m_time;
    std::unique_ptr<OneShotTimer> m_quietTimer;
    std::list<std::unique_ptr<OneShotTimer>> m_later;  // replies on their way
    // With a line speed: what the tool sends, and what we send.
    std::unique_ptr<LinePacer> m_incoming;
    std::unique_ptr<LinePacer> m_outgoing;
};

}  // namespace smscfg::sim
