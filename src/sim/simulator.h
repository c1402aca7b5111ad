#pragma once

#include "sim/controller_state.h"
#include "sim/frame_assembler.h"
#include "sim/sim_line.h"

#include <QTextStream>
#include <QTimer>

namespace smscfg::sim {

// Fault modes and output of the virtual controller.
struct SimOptions {
    bool refuseAll = false;  // answer 09 to every request
    bool silent = false;     // never answer
    int delayMs = 0;         // answer this late
    bool stray = false;      // one stray byte before each reply
    int splitMs = -1;        // >= 0: send each reply in two parts, this far apart
    bool shortReply = false; // send only the first five bytes
    QString stateFile;       // JSON state written after each accepted request
};

// The byte a stray-byte fault puts before a reply.
inline constexpr char StrayByte = char(0xEE);

// Reads requests from the line, keeps the controller's state, answers.
class Simulator : public QObject {
    Q_OBJECT
public:
    Simulator(SimLine &line, SimOptions options, QTextStream &log, QObject *parent = nullptr);

    const ControllerState &state() const { return m_state; }

private:
    void onReceived(const QByteArray &bytes);
    void handle(const FrameAssembler::Item &item);
    void sendReply(const QByteArray &reply);
    void writeState();

    SimLine &m_line;
    SimOptions m_options;
    QTextStream &m_log;
    FrameAssembler m_assembler;
    ControllerState m_state;
    QTimer m_quietTimer;
};

}  // namespace smscfg::sim
