#pragma once

#include "app/log_pane.h"
#include "app/message_sink.h"
#include "commands/command_table.h"
#include "link/exchange.h"
#include "link/port_discovery.h"
#include "link/traffic_log.h"
#include "protocol/language.h"

#include <QDateTime>
#include <QMainWindow>
#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QScrollArea;
class QSettings;

namespace smscfg {

class PortComboBox;
class ProfileSession;

// The main window (objectName "Form1"): the form with every control at its
// place, a menu bar above it, a status bar below it and the communication
// log, shown on demand, under it. It reads its controls into the request
// builders, shows their messages and the exchange's verdicts, and hands
// frames to the exchange.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(SerialLink &link, MessageSink &sink, ExchangeTimings timings = {},
               TimeSource &time = TimeSource::system(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // Where the list of the system's ports comes from.
    void setPortDiscovery(const PortDiscovery &ports);
    // Where the last port that opened and the 查看 choices (the language
    // too) are remembered; none: not remembered. A port is remembered when
    // it will name the same device next time (see portStaysTheSame).
    void setSettings(QSettings *settings);
    // The PC's clock, for 填入电脑时间 and the log's times.
    void setClock(std::function<QDateTime()> now);

    // Fills the lists and opens the port named by `portText`; without one,
    // the port remembered, else the system's only USB adapter, else "1".
    // When the port cannot be opened, says so and disables the buttons that
    // need a port.
    void startUp(const std::optional<QString> &portText = std::nullopt);

    // The texts and ticks of every control, by control name.
    ControlValues controlValues() const;

    Exchange &exchange() { return m_exchange; }
    LogPane &logPane();
    // How many lines the log keeps (LogPane::MaxLines): tests fill a smaller
    // one. Takes effect when set before the log is first used.
    void setLogLimit(int lines) { m_logLimit = lines; }
    ProfileSession &profiles() { return *m_profiles; }
    // The status bar's texts: the port, and what the line is doing.
    QString portStatus() const;
    QString exchangeStatus() const;

    // 工具 → 填入电脑时间.
    void fillPcTime();
    void setLogVisible(bool visible);
    // 查看 → 成功时弹出提示: whether 设置成功 is shown in a box (the status bar
    // and the log have it either way).
    bool showsSuccessBox() const;
    // What a saved log starts with: the program, when, and the port.
    QStringList logHeader() const;
    // Sizes the window to fit `available` (a screen's free area): the form
    // at its size where there is room, else scrolling inside the window.
    void fitToScreen(const QRect &available);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class PortState { Closed, Open, Lost };

    void createMenus();
    // Every text of the window in the language installed.
    void retranslate();
    // 查看 → 语言: shows the window in `language` at once, and next time.
    void chooseLanguage(Language language);
    void createStatusBar();
    void onCommandClicked();
    void onReopenClicked();
    bool openPort(const QString &portText);
    void onSent();
    void onExchangeFinished(const Exchange::Result &result);
    void onBytesIgnored(const QByteArray &bytes, Exchange::Ignored why);
    void onLinkLost();
    void showAbout();
    void fillLists();
    void setPortButtonsEnabled(bool enabled);
    void setPortStatus(const QString &portText, PortState state);
    void appendToLog(const QString &line);
    void setExchangeStatus(const QString &text);

    SerialLink &m_link;
    MessageSink &m_sink;
    Exchange m_exchange;
    TrafficLog m_trafficLog;
    QSettings *m_settings = nullptr;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTime;
    QWidget *m_form = nullptr;
    QScrollArea *m_scroll = nullptr;
    LogPane *m_logPane = nullptr;
    int m_logLimit = LogPane::MaxLines;
    QStringList m_pendingLog;  // lines logged before the pane was made
    qint64 m_pendingDropped = 0;  // and the earlier ones let go
    ProfileSession *m_profiles;
    QAction *m_successBox;
    PortComboBox *m_portBox;
    QLabel *m_portStatus;
    QLabel *m_exchangeStatus;
    QProgressBar *m_busy;
    QString m_portText;  // the port opened last, as typed
    PortState m_portState = PortState::Closed;
    bool m_centred = false;
    bool m_closingPort = false;  // while 串口设置 closes the port
    bool m_lossShown = false;    // the lost line's box was shown since the last send
};

}  // namespace smscfg
