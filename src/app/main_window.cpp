#include "app/main_window.h"

#include "app/app_title.h"
#include "app/form_layout.h"
#include "app/log_pane.h"
#include "app/port_combo_box.h"
#include "app/profile_session.h"
#include "commands/clock_request.h"
#include "commands/request_words.h"
#include "protocol/wire.h"
#include "exchange/traffic_text.h"
#include "link/port_name.h"
#include "link/port_text.h"
#include "process/language.h"
#include "process/version.h"
#include "protocol/request_text.h"
#include "qt_boundary/core_types.h"
#include "qt_boundary/local_time.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

namespace smscfg {
namespace {

const QString PortKey = QStringLiteral("port");
const QString SuccessBoxKey = QStringLiteral("showSuccessBox");
const QString LanguageKey = QStringLiteral("language");
// The log pane's width beside the form, and the least it is given on a
// small screen.
constexpr int LogPaneWidth = 600;
constexpr int LogPaneMinWidth = 320;
const char *const RowButtonProperty = "rowButton";

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The clock row's boxes, in the order of the clock's words.
const QStringList &clockBoxes()
{
    static const QStringList boxes = toQStringList(findCommandByButton(u"Command15")->textControls());
    return boxes;
}

void fill(QComboBox *combo, const QStringList &items)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(0);
}

QStringList twoDigitRange(int first, int last)
{
    QStringList items;
    for (int v = first; v <= last; ++v)
        items << twoDigits(v);
    return items;
}

}  // namespace

MainWindow::MainWindow(SerialLink &link, MessageSink &sink, ExchangeTimings timings, TimeSource &time,
                       QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_link(link), m_sink(sink), m_exchange(link, timings, time), m_trafficLog(m_exchange)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    // Before any child exists: they all inherit it, menus and status bar too.
    setFont(formFont());

    // The form keeps its fixed size; the log opens beside it (its lines are
    // long, and a laptop's screen is wider than it is tall) and the window
    // grows to hold it. On a screen too small for the window the form
    // scrolls inside it (see fitToScreen).
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_scroll = new QScrollArea(central);
    m_scroll->setObjectName(QStringLiteral("formScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_form = new QWidget;
    m_form->setObjectName(QStringLiteral("form"));
    createFormControls(m_form);
    m_form->setFixedSize(FormWidthTwips / TwipsPerPixel, FormHeightTwips / TwipsPerPixel);
    m_scroll->setWidget(m_form);
    m_scroll->setFixedSize(m_form->size());
    row->addWidget(m_scroll);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_portBox = m_form->findChild<PortComboBox *>(QStringLiteral("Combo1"));
    findChild<QCheckBox *>(toQString(UnicodeBox))->setChecked(true);
    findChild<QCheckBox *>(toQString(SwitchBox))->setChecked(true);
    auto *lowerLimit = findChild<QPushButton *>(QStringLiteral("Command14"));
    lowerLimit->hide();
    lowerLimit->setEnabled(false);

    for (const CommandEntry &entry : commandTable())
        connect(findChild<QPushButton *>(toQString(entry.button)), &QPushButton::clicked, this, &MainWindow::onCommandClicked);
    connect(findChild<QPushButton *>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            &MainWindow::onReopenClicked);
    // Enter in a box presses the button of its row (see eventFilter). A
    // key reaches an editable combo box itself when it has the focus, and
    // its line edit when sent there.
    for (const ControlPlace &place : formControlPlaces()) {
        const QString button = rowButtonOf(place.name);
        if (button.isEmpty())
            continue;
        QWidget *box = m_form->findChild<QWidget *>(place.name);
        box->setProperty(RowButtonProperty, button);
        box->installEventFilter(this);
        if (auto *combo = qobject_cast<QComboBox *>(box))
            combo->lineEdit()->installEventFilter(this);
    }

    connect(&m_exchange, &Exchange::sent, this, &MainWindow::onSent);
    connect(&m_exchange, &Exchange::finished, this, &MainWindow::onExchangeFinished);
    connect(&m_exchange, &Exchange::ignored, this, &MainWindow::onBytesIgnored);
    connect(&m_link, &SerialLink::linkLost, this, &MainWindow::onLinkLost);
    connect(&m_trafficLog, &TrafficLog::entry, this,
            [this](const TrafficEntry &entry) { appendToLog(formatTrafficEntry(entry)); });

    m_profiles = new ProfileSession(m_exchange, m_sink, this, [this] { return m_now(); }, this);
    connect(m_profiles, &ProfileSession::saved, this, &MainWindow::setExchangeStatus);
    createMenus();
    createStatusBar();
    retranslate();
}

MainWindow::~MainWindow() = default;

void MainWindow::setSettings(QSettings *settings)
{
    m_settings = settings;
    m_profiles->setSettings(settings);
    if (m_settings) {
        const QSignalBlocker blocker(m_successBox);
        m_successBox->setChecked(m_settings->value(SuccessBoxKey, true).toBool());
    }
}

void MainWindow::setClock(std::function<QDateTime()> now)
{
    m_now = std::move(now);
    m_trafficLog.setClock([this] { return m_now(); });
}

void MainWindow::setPortDiscovery(const PortDiscovery &ports)
{
    m_portBox->setPortDiscovery(ports);
}

void MainWindow::createMenus()
{
    // Texts in retranslate(): again when the language changes.
    QMenu *file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *apply = file->addAction(QString(), m_profiles, &ProfileSession::applyWithDialog);
    apply->setObjectName(QStringLiteral("actionApplyProfile"));
    apply->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QAction *save = file->addAction(QString(), m_profiles, &ProfileSession::saveWithDialog);
    save->setObjectName(QStringLiteral("actionSaveProfile"));
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    QAction *clearRecord = file->addAction(QString(), m_profiles, &ProfileSession::clearRecord);
    clearRecord->setObjectName(QStringLiteral("actionClearRecord"));
    file->addSeparator();
    QAction *exit = file->addAction(QString(), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("actionExit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu *view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("menuView"));
    QAction *log = view->addAction(QString());
    log->setObjectName(QStringLiteral("actionShowLog"));
    log->setCheckable(true);
    log->setShortcut(QKeySequence(Qt::Key_F12));
    connect(log, &QAction::toggled, this, &MainWindow::setLogVisible);
    // Ticked as the window first opens: each verdict in a box.
    m_successBox = view->addAction(QString());
    m_successBox->setObjectName(QStringLiteral("actionSuccessBox"));
    m_successBox->setCheckable(true);
    m_successBox->setChecked(true);
    connect(m_successBox, &QAction::toggled, this, [this](bool on) {
        if (m_settings)
            m_settings->setValue(SuccessBoxKey, on);
    });
    // Each language by its own name, whichever is shown.
    QMenu *language = view->addMenu(QString());
    language->setObjectName(QStringLiteral("menuLanguage"));
    auto *languages = new QActionGroup(this);
    for (const auto &[choice, name, objectName] :
         {std::tuple{Language::Chinese, QStringLiteral("中文"), QStringLiteral("actionLanguageZh")},
          std::tuple{Language::English, QStringLiteral("English"), QStringLiteral("actionLanguageEn")}}) {
        QAction *action = language->addAction(name);
        action->setObjectName(objectName);
        action->setCheckable(true);
        action->setChecked(installedLanguage() == choice);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, lang = choice] { chooseLanguage(lang); });
    }

    QMenu *tools = menuBar()->addMenu(QString());
    tools->setObjectName(QStringLiteral("menuTools"));
    QAction *pcTime = tools->addAction(QString(), this, &MainWindow::fillPcTime);
    pcTime->setObjectName(QStringLiteral("actionFillPcTime"));
    pcTime->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    QAction *refresh = tools->addAction(QString(), m_portBox, &PortComboBox::refresh);
    refresh->setObjectName(QStringLiteral("actionRefreshPorts"));

    QMenu *help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction *about = help->addAction(QString(), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("actionAbout"));
}

void MainWindow::chooseLanguage(Language language)
{
    if (m_settings)
        m_settings->setValue(LanguageKey, QString::fromLatin1(languageCode(language).data()));
    if (language == installedLanguage())
        return;
    // Every widget hears of it (LanguageChange) and takes its new texts.
    installLanguage(language);
}

void MainWindow::retranslate()
{
    setWindowTitle(applicationTitle());
    const std::pair<const char *, QString> texts[] = {
        {"menuFile", tr("文件(&F)")},
        {"actionApplyProfile", tr("应用配置文件(&O)…")},
        {"actionSaveProfile", tr("保存为配置文件(&S)…")},
        {"actionClearRecord", tr("清空记录(&C)")},
        {"actionExit", tr("退出(&X)")},
        {"menuView", tr("查看(&V)")},
        {"actionShowLog", tr("通信记录(&L)")},
        {"actionSuccessBox", tr("成功时弹出提示(&P)")},
        {"menuLanguage", tr("语言(&G)")},
        {"menuTools", tr("工具(&T)")},
        {"actionFillPcTime", tr("填入电脑时间(&T)")},
        {"actionRefreshPorts", tr("刷新串口列表(&R)")},
        {"menuHelp", tr("帮助(&H)")},
        {"actionAbout", tr("关于(&A)")},
    };
    for (const auto &[name, text] : texts) {
        if (auto *menu = findChild<QMenu *>(QLatin1String(name)))
            menu->setTitle(text);
        else
            findChild<QAction *>(QLatin1String(name))->setText(text);
    }
    findChild<QAction *>(QStringLiteral("actionLanguageZh"))->setChecked(installedLanguage() == Language::Chinese);
    findChild<QAction *>(QStringLiteral("actionLanguageEn"))->setChecked(installedLanguage() == Language::English);

    translateFormControls(m_form);
    fitCaptions(m_form);
    // The weekdays in the new language, the one chosen kept.
    auto *weekday = findChild<QComboBox *>(QStringLiteral("Combo7"));
    if (weekday->count() > 0) {
        const int chosen = weekday->currentIndex();
        fill(weekday, toQStringList(weekdayNames()));
        weekday->setCurrentIndex(chosen);
    }
    if (!m_portText.isNull())
        setPortStatus(m_portText, m_portState);
    // What the line last did was said in the other language: the log keeps it.
    setExchangeStatus(QString());
}

void MainWindow::createStatusBar()
{
    m_portStatus = new QLabel(this);
    m_portStatus->setObjectName(QStringLiteral("portStatus"));
    m_exchangeStatus = new QLabel(this);
    m_exchangeStatus->setObjectName(QStringLiteral("exchangeStatus"));
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("busy"));
    m_busy->setRange(0, 0);
    m_busy->setMaximumSize(60, 14);
    m_busy->setTextVisible(false);
    m_busy->hide();
    statusBar()->addWidget(m_exchangeStatus, 1);
    statusBar()->addWidget(m_busy);
    statusBar()->addPermanentWidget(m_portStatus);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::startUp(const std::optional<QString> &portText)
{
    const QList<PortInfo> ports = m_portBox->refresh();
    // A link remembered by an older version may lead to someone's terminal
    // by now: such a port counts as none remembered.
    const QString remembered = m_settings ? m_settings->value(PortKey).toString() : QString();
    QString port;
    if (portText)
        port = *portText;
    else if (!remembered.isEmpty() && portStaysTheSame(remembered))
        port = remembered;
    else
        // A first start: the adapter just plugged in is the controller's.
        port = soleUsbAdapter(ports).value_or(QStringLiteral("1"));
    m_portBox->setEditText(port);
    const bool opened = openPort(port);
    // The clock lists are filled either way, so that the clock row works
    // once the operator has picked a port that opens.
    fillLists();
    setPortButtonsEnabled(opened);
}

bool MainWindow::openPort(const QString &portText)
{
    OpenError error;
    m_portText = portText;
    if (!m_link.open(portText, &error)) {
        setPortStatus(portText, PortState::Closed);
        m_trafficLog.portEvent(unusablePortMessage(portText, error).replace(u'\n', tr("：")));
        m_sink.show(unusablePortMessage(portText, error));
        return false;
    }
    setPortStatus(portText, PortState::Open);
    m_trafficLog.portEvent(portOpenedMessage(portText));
    if (m_settings && portStaysTheSame(portText))
        m_settings->setValue(PortKey, portText);
    return true;
}

void MainWindow::fillLists()
{
    fill(findChild<QComboBox *>(QStringLiteral("Combo2")), twoDigitRange(0, 99));
    fill(findChild<QComboBox *>(QStringLiteral("Combo3")), twoDigitRange(1, 12));
    fill(findChild<QComboBox *>(QStringLiteral("Combo4")), twoDigitRange(1, 31));
    fill(findChild<QComboBox *>(QStringLiteral("Combo5")), twoDigitRange(1, 24));
    fill(findChild<QComboBox *>(QStringLiteral("Combo6")), twoDigitRange(1, 60));
    fill(findChild<QComboBox *>(QStringLiteral("Combo7")), toQStringList(weekdayNames()));
}

ControlValues MainWindow::controlValues() const
{
    ControlValues values;
    for (const QLineEdit *edit : m_form->findChildren<QLineEdit *>()) {
        // A combo box's own line edit carries no control name.
        if (!edit->objectName().isEmpty())
            values.texts.insert_or_assign(toU16(edit->objectName()), toU16(edit->text()));
    }
    for (const QComboBox *combo : m_form->findChildren<QComboBox *>())
        values.texts.insert_or_assign(toU16(combo->objectName()), toU16(combo->currentText()));
    for (const QAbstractButton *box : m_form->findChildren<QAbstractButton *>()) {
        if (box->isCheckable() && box->isChecked())
            values.ticked.insert(toU16(box->objectName()));
    }
    return values;
}

void MainWindow::onCommandClicked()
{
    const CommandEntry *entry = findCommandByButton(toU16(sender()->objectName()));
    if (!entry)
        return;
    const ControlValues controls = controlValues();
    const BuildResult result = entry->build(controls);
    if (!result.hasFrame()) {
        m_trafficLog.inputRefused(toQString(commandCaption(*entry)), toQString(result.text()));
        m_sink.show(toQString(result.text()));
        return;
    }
    QStringList words = toQStringList(requestWords(*entry, controls));
    // A clock row that shows the PC's time is saved as "now", to be the
    // time of the next controller too.
    if (entry->code == code::Clock && words.mid(1) == toQStringList(clockWords(clockTextsOf(localTimeOf(m_now())))))
        words = QStringList{toQString(entry->cliName), QStringLiteral("now")};
    m_profiles->requestSent(m_exchange.send(toQByteArray(result.frame().bytes())), words);
}

void MainWindow::onReopenClicked()
{
    // The operator closes the port: a request cut off by it says so in the
    // status bar and the log, not in a box.
    m_closingPort = true;
    m_exchange.lineClosing();
    m_closingPort = false;
    m_link.close();
    setPortButtonsEnabled(openPort(m_portBox->currentText()));
}

void MainWindow::onSent()
{
    m_lossShown = false;
    setExchangeStatus(tr("等待应答…"));
}

void MainWindow::onExchangeFinished(const Exchange::Result &result)
{
    setExchangeStatus(toQString(resultText(result)));
    // While a profile is applied its results go to a table, not to boxes.
    const QString message = toQString(outcomeMessage(result.outcome));
    bool wanted = result.outcome != Exchange::Outcome::Accepted || showsSuccessBox();
    // A lost line ends every request waiting on it: one box says so, as one
    // time-out box does for the requests it ends.
    if (result.outcome == Exchange::Outcome::LinkLost)
        wanted = !std::exchange(m_lossShown, true);
    if (!message.isEmpty() && !m_profiles->isApplying() && wanted && !m_closingPort)
        m_sink.show(message);
}

void MainWindow::onBytesIgnored(const QByteArray &bytes, Exchange::Ignored why)
{
    Q_UNUSED(bytes)
    // While a request waits, the status says so; what else came is in the log.
    if (m_exchange.awaitingReply())
        return;
    switch (why) {
    case Exchange::Ignored::Unrecognised: setExchangeStatus(tr("收到无法识别的数据（见通信记录）")); break;
    case Exchange::Ignored::LateReply: setExchangeStatus(tr("收到迟到的应答，未采用（见通信记录）")); break;
    case Exchange::Ignored::OtherRequest:
        setExchangeStatus(tr("收到不是在等的请求的应答（见通信记录）"));
        break;
    case Exchange::Ignored::Echo: break;
    }
}

void MainWindow::onLinkLost()
{
    setPortStatus(m_portText, PortState::Lost);
    setExchangeStatus(tr("串口连接已断开"));
    m_trafficLog.portEvent(linkLostMessage(m_portText));
}

void MainWindow::showAbout()
{
    m_sink.show(tr("%1 %2\nQt %3\n串口：%4")
                    .arg(applicationTitle(), programVersion(), QString::fromLatin1(qVersion()), portStatus()));
}

void MainWindow::fillPcTime()
{
    const QStringList texts = toQStringList(clockWords(clockTextsOf(localTimeOf(m_now()))));
    for (qsizetype i = 0; i < texts.size(); ++i)
        findChild<QComboBox *>(clockBoxes()[i])->setEditText(texts[i]);
}

LogPane &MainWindow::logPane()
{
    // Made when first asked for, not before the window's first paint.
    if (!m_logPane) {
        m_logPane = new LogPane(centralWidget(), m_logLimit);
        m_logPane->setFixedSize(LogPaneWidth, m_scroll->height());
        m_logPane->hide();
        m_logPane->setHeader([this] { return logHeader(); });
        // Cleared, the log starts again with the day's date.
        connect(m_logPane, &LogPane::cleared, &m_trafficLog, &TrafficLog::repeatDate);
        centralWidget()->layout()->addWidget(m_logPane);
        m_logPane->addDropped(m_pendingDropped);
        for (const QString &line : std::as_const(m_pendingLog))
            m_logPane->append(line);
        m_pendingLog.clear();
    }
    return *m_logPane;
}

void MainWindow::appendToLog(const QString &line)
{
    if (m_logPane) {
        m_logPane->append(line);
        return;
    }
    m_pendingLog << line;
    if (m_pendingLog.size() > m_logLimit) {
        m_pendingLog.removeFirst();
        ++m_pendingDropped;
    }
}

QStringList MainWindow::logHeader() const
{
    return {tr("%1 通信记录").arg(applicationTitle()),
            tr("保存时间：%1").arg(m_now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
            tr("程序版本：smscfg %1（Qt %2）").arg(programVersion(), QString::fromLatin1(qVersion())),
            portStatus()};
}

bool MainWindow::showsSuccessBox() const
{
    return m_successBox->isChecked();
}

void MainWindow::setLogVisible(bool visible)
{
    logPane().setVisible(visible);
    findChild<QAction *>(QStringLiteral("actionShowLog"))->setChecked(visible);
    if (const QScreen *s = screen(); s && isVisible())
        fitToScreen(s->availableGeometry());
    // Grown, the window may reach past the screen's edge: brought back once
    // its new size is known.
    QTimer::singleShot(0, this, [this] {
        const QScreen *s = screen();
        if (!s || !isVisible())
            return;
        const QRect available = s->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        move(frame.topLeft());
    });
}

// The buttons that need a working port; the others stay usable so that
// their input checks still run.
void MainWindow::setPortButtonsEnabled(bool enabled)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.needsOpenPort)
            findChild<QPushButton *>(toQString(entry.button))->setEnabled(enabled);
}

void MainWindow::setPortStatus(const QString &portText, PortState state)
{
    m_portState = state;
    const QString stateText = state == PortState::Open     ? tr("已打开")
                              : state == PortState::Closed ? tr("未打开")
                                                           : tr("连接已断开");
    m_portStatus->setText(tr("串口 %1（%2）").arg(portDisplayName(portText), stateText));
}

void MainWindow::setExchangeStatus(const QString &text)
{
    m_exchangeStatus->setText(text);
    m_busy->setVisible(m_exchange.awaitingReply());
}

QString MainWindow::portStatus() const
{
    return m_portStatus->text();
}

QString MainWindow::exchangeStatus() const
{
    return m_exchangeStatus->text();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QMainWindow::eventFilter(watched, event);
    // The box: a line edit, or the combo box that holds it.
    QWidget *box = widget;
    if (auto *combo = qobject_cast<QComboBox *>(widget->parentWidget()); combo && combo->lineEdit() == widget)
        box = combo;
    if (event->type() == QEvent::KeyPress) {
        // Taken here: an editable combo box would pass the key to its line
        // edit a second time.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto *button = m_form->findChild<QPushButton *>(box->property(RowButtonProperty).toString());
            if (button && button->isEnabled())
                button->click();
            return true;
        }
    }
    // The clock boxes are too narrow to show more than their value: typing
    // replaces it rather than adding to it.
    auto *edit = qobject_cast<QLineEdit *>(widget);
    if (edit && box != widget && clockBoxes().contains(box->objectName())) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        } else if (event->type() == QEvent::MouseButtonRelease && !edit->hasSelectedText()) {
            edit->selectAll();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A dark theme chosen while the window is open.
    if (event->type() == QEvent::PaletteChange && m_form)
        applyFormColours(m_form, palette());
    if (event->type() == QEvent::LanguageChange && m_form)
        retranslate();
}

void MainWindow::fitToScreen(const QRect &available)
{
    const QSize form = m_form->size();
    // Around the form: the menu and status bars, the log when open, and the
    // window's frame. Before the frame is drawn its size is not known: a
    // title bar's worth is kept free.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = QMargins(0, 32, 0, 0);
    const QSize bars = layout()->totalSizeHint() - centralWidget()->sizeHint();
    const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    // The log gives up width before the form does, down to a readable width.
    int log = 0;
    if (m_logPane && m_logPane->isVisibleTo(this)) {
        log = std::clamp(available.width() - frame.left() - frame.right() - form.width() - bar, LogPaneMinWidth,
                         LogPaneWidth);
        m_logPane->setFixedWidth(log);
    }
    const int roomWidth = available.width() - frame.left() - frame.right() - bars.width() - log;
    const int roomHeight = available.height() - frame.top() - frame.bottom() - bars.height();
    // A scroll bar takes room from the other direction.
    bool vertical = form.height() > roomHeight;
    const bool horizontal = form.width() + (vertical ? bar : 0) > roomWidth;
    vertical = vertical || (horizontal && form.height() + bar > roomHeight);
    // Too little room even to scroll in: the form as it is.
    constexpr int Least = 160;
    const QSize size(std::max(Least, std::min(form.width() + (vertical ? bar : 0), roomWidth)),
                     std::max(Least, std::min(form.height() + (horizontal ? bar : 0), roomHeight)));
    m_scroll->setFixedSize(size);
    if (m_logPane)
        m_logPane->setFixedHeight(size.height());
    // The window takes its new size now, not after two turns of the event
    // loop (the form's row, then the window).
    centralWidget()->layout()->activate();
    layout()->invalidate();
    layout()->activate();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (windowHandle()) {
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen *s) {
            if (s)
                fitToScreen(s->availableGeometry());
        });
    }
    if (const QScreen *s = screen()) {
        fitToScreen(s->availableGeometry());
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace smscfg
