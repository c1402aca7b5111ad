#include "app/profile_session.h"

#include "app/app_title.h"
#include "commands/command_table.h"
#include "exchange/traffic_text.h"
#include "link/port_text.h"
#include "link/step_runner.h"
#include "files/files.h"
#include "protocol/request_text.h"
#include "qt_boundary/log_text.h"
#include "protocol/wire.h"
#include "qt_boundary/core_types.h"
#include "qt_boundary/local_time.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QSettings>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableView>
#include <QVBoxLayout>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace smscfg {
namespace {

QString profileFilter()
{
    return ProfileSession::tr("配置文件 (*.json);;所有文件 (*)");
}
// The folder of the last profile or result file opened or saved.
const QString FolderKey = QStringLiteral("profileFolder");

// How many steps of each kind, in the order they first come:
// "初始化 1 步，设置设备总数 2 步".
QString stepKinds(const QList<ProfileStep> &steps)
{
    QList<std::pair<quint8, qsizetype>> counts;
    for (const ProfileStep &step : steps) {
        const quint8 code = quint8(step.frame.bytes()[4]);
        auto it = std::find_if(counts.begin(), counts.end(), [code](const auto &c) { return c.first == code; });
        if (it == counts.end())
            counts.append({code, 1});
        else
            ++it->second;
    }
    QStringList parts;
    for (const auto &[code, count] : counts) {
        const auto entry = std::find_if(commandTable().cbegin(), commandTable().cend(),
                                        [code = code](const CommandEntry &e) { return e.code == code; });
        parts << ProfileSession::tr("%1 %2 步")
                     .arg(toQString(entry != commandTable().cend() ? entry->caption : codeText(code)))
                     .arg(count);
    }
    return parts.join(ProfileSession::tr("，"));
}

// What a request sets: its code and the bytes that name the device, probe
// or phone slot.
QByteArray settingKey(const QByteArray &frame)
{
    const quint8 code = quint8(frame[4]);
    return frame.mid(4, 1 + wire::targetBytes(code));
}

using Shown = ProfileSession::Shown;
using StepOutcome = ProfileSession::StepOutcome;

// The results table's rows, made when they are shown.
class ResultRows : public QAbstractTableModel {
public:
    ResultRows(std::shared_ptr<const Shown> shown, QObject *parent)
        : QAbstractTableModel(parent), m_shown(std::move(shown))
    {
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_shown->run.steps.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return Shown::header().value(section);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_shown->row(index.row()).value(index.column());
    }

private:
    std::shared_ptr<const Shown> m_shown;
};

// Hands memory freed after a long apply back to the system: the allocator
// would otherwise keep the many small blocks a run of 100,000 steps left.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

}  // namespace

ProfileSession::StepOutcome ProfileSession::StepOutcome::of(const Exchange::Result &result)
{
    // The reply is kept only where the result shows it.
    return {result.outcome, qint32(result.roundTrip.count()), result.late,
            result.outcome == Exchange::Outcome::NoVerdict ? result.reply : std::vector<std::uint8_t>()};
}

QString ProfileSession::StepOutcome::text() const
{
    Exchange::Result result{};
    result.outcome = outcome;
    result.reply = reply;
    result.roundTrip = std::chrono::milliseconds(ms);
    result.late = late;
    return toQString(resultText(result));
}

ProfileSession::ProfileSession(Exchange &exchange, MessageSink &sink, QWidget *dialogParent,
                               std::function<QDateTime()> now, QObject *parent)
    : QObject(parent), m_exchange(exchange), m_sink(sink), m_dialogParent(dialogParent), m_now(std::move(now))
{
    connect(&m_exchange, &Exchange::finished, this, &ProfileSession::onFinished);
}

ProfileSession::~ProfileSession() = default;

void ProfileSession::requestSent(quint64 id, const QStringList &words)
{
    m_sentWords.insert(id, words);
}

void ProfileSession::onFinished(const Exchange::Result &result)
{
    const QStringList words = m_sentWords.take(result.id);
    if (!words.isEmpty() && result.outcome == Exchange::Outcome::Accepted)
        record(words, toQByteArray(result.request));
}

void ProfileSession::record(const QStringList &words, const QByteArray &frame)
{
    // Initialising clears the controller: what came before it is gone.
    if (quint8(frame[4]) == code::Initialise)
        m_record.clear();
    const QByteArray key = settingKey(frame);
    m_record.removeIf([&](const Recorded &r) { return r.key == key; });
    m_record.append({key, words});
}

QList<QStringList> ProfileSession::recordedSteps() const
{
    QList<QStringList> steps;
    for (const Recorded &r : m_record)
        steps << r.words;
    return steps;
}

void ProfileSession::clearRecord()
{
    m_record.clear();
}

bool ProfileSession::save(const QString &path, QString *error) const
{
    Profile profile{toU16(QFileInfo(path).completeBaseName()), {}};
    for (const QStringList &words : recordedSteps())
        profile.steps.push_back(toU16List(words));
    // Whole or not at all: a full disk must not cost the profile saved there before.
    if (const auto problem = writeFileAtomically(path.toLocal8Bit().toStdString(), profileToJson(profile))) {
        *error = toQString(fileProblemText(*problem));
        return false;
    }
    return true;
}

void ProfileSession::saveWithDialog()
{
    if (m_record.isEmpty()) {
        m_sink.show(tr("还没有设置成功的请求可以保存"));
        return;
    }
    const QString path = m_sink.saveFileName(tr("保存为配置文件"),
                                             QDir(folder()).filePath(tr("配置.json")), profileFilter());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    QString error;
    if (!save(path, &error)) {
        m_sink.show(tr("无法保存配置文件：%1").arg(error));
        return;
    }
    emit saved(tr("已保存配置文件：%1（%2 步）").arg(QDir::toNativeSeparators(path)).arg(m_record.size()));
}

void ProfileSession::applyWithDialog()
{
    const QString path = m_sink.openFileName(tr("应用配置文件"), folder(), profileFilter());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    apply(path);
}

bool ProfileSession::isApplying() const
{
    return m_runner && m_runner->isRunning();
}

void ProfileSession::apply(const QString &path)
{
    if (isApplying())
        return;
    const auto content = readRegularFile(path.toLocal8Bit().toStdString(), MaxProfileBytes);
    if (const auto *problem = std::get_if<FileProblem>(&content)) {
        m_sink.show(tr("无法读取配置文件：%1").arg(toQString(fileProblemText(*problem))));
        return;
    }
    const auto profile = parseProfile(std::get<std::string>(content));
    if (const auto *problem = std::get_if<std::u16string>(&profile)) {
        m_sink.show(toQString(*problem));
        return;
    }
    const auto built = buildProfileSteps(std::get<Profile>(profile), localTimeOf(m_now()));
    if (const auto *problem = std::get_if<std::u16string>(&built)) {
        m_sink.show(toQString(*problem));
        return;
    }
    const std::vector<ProfileStep> &builtSteps = std::get<std::vector<ProfileStep>>(built);
    const QList<ProfileStep> steps(builtSteps.begin(), builtSteps.end());
    if (steps.isEmpty()) {
        m_sink.show(tr("配置文件里没有步骤"));
        return;
    }
    const QString name = toQString(std::get<Profile>(profile).name);
    StepsQuestion question;
    question.summary = tr("把配置文件“%1”的 %2 步发送到控制器：\n%3")
                           .arg(escapeForLog(name.isEmpty() ? QFileInfo(path).fileName() : name))
                           .arg(steps.size())
                           .arg(stepKinds(steps));
    question.count = steps.size();
    question.step = [steps](qsizetype i) {
        return QStringLiteral("%1. %2").arg(i + 1).arg(toQString(describeRequest(steps[i].frame.bytes())));
    };
    question.option = tr("出错后继续");
    bool keepGoing = false;
    if (!m_sink.confirmSteps(question, &keepGoing))
        return;
    QList<qsizetype> numbers;
    for (qsizetype i = 0; i < steps.size(); ++i)
        numbers << i + 1;
    run({steps, numbers, keepGoing});
}

void ProfileSession::run(const Run &run)
{
    QList<QByteArray> frames;
    for (const ProfileStep &step : run.steps)
        frames << toQByteArray(step.frame.bytes());
    m_runner = std::make_unique<StepRunner>(m_exchange, frames, run.keepGoing);
    delete m_progress;
    m_progress = new QProgressDialog(m_dialogParent);
    m_progress->setObjectName(QStringLiteral("profileProgress"));
    m_progress->setWindowTitle(applicationTitle());
    m_progress->setCancelButtonText(tr("取消"));
    m_progress->setRange(0, int(run.steps.size()));
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setWindowModality(Qt::WindowModal);
    connect(m_progress, &QProgressDialog::canceled, m_runner.get(), &StepRunner::cancel);

    auto results = std::make_shared<std::vector<StepOutcome>>();
    results->reserve(size_t(run.steps.size()));
    connect(m_runner.get(), &StepRunner::stepStarted, this, [this, run](qsizetype index) {
        m_progress->setValue(int(index));
        m_progress->setLabelText(tr("第%1步，共%2步：%3")
                                     .arg(run.numbers[index])
                                     .arg(run.steps.size())
                                     .arg(toQString(describeRequest(run.steps[index].frame.bytes()))));
    });
    connect(m_runner.get(), &StepRunner::stepFinished, this,
            [this, run, results](qsizetype index, const Exchange::Result &result) {
                results->push_back(StepOutcome::of(result));
                if (result.outcome == Exchange::Outcome::Accepted)
                    record(toQStringList(run.steps[index].words), toQByteArray(result.request));
            });
    connect(m_runner.get(), &StepRunner::done, this, [this, run, results](bool cancelled) {
        m_progress->hide();
        showResults(run, std::move(*results), cancelled);
        releaseFreedMemory();
    });
    m_progress->show();
    m_runner->start();
}

QStringList ProfileSession::Shown::header()
{
    return {ProfileSession::tr("步骤"), ProfileSession::tr("请求"), ProfileSession::tr("结果")};
}

QStringList ProfileSession::Shown::row(qsizetype index) const
{
    const QString result = size_t(index) < outcomes.size() ? outcomes[size_t(index)].text()
        : cancelled                                        ? ProfileSession::tr("已取消，未发送")
                                                           : ProfileSession::tr("未发送");
    return {QString::number(run.numbers[index]), toQString(describeRequest(run.steps[index].frame.bytes())), result};
}

void ProfileSession::showResults(const Run &run, std::vector<StepOutcome> outcomes, bool cancelled)
{
    const QList<ProfileStep> &steps = run.steps;
    // What did not succeed, for 重试未成功的步骤.
    Run retry{{}, {}, run.keepGoing};
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (size_t(i) >= outcomes.size() || outcomes[size_t(i)].outcome != Exchange::Outcome::Accepted) {
            retry.steps << steps[i];
            retry.numbers << run.numbers[i];
        }
    }
    const qsizetype done = qsizetype(outcomes.size());
    const qsizetype accepted = std::count_if(outcomes.cbegin(), outcomes.cend(), [](const StepOutcome &r) {
        return r.outcome == Exchange::Outcome::Accepted;
    });
    m_shown = std::make_shared<const Shown>(Shown{run, std::move(outcomes), cancelled});

    delete m_results;
    m_results = new QDialog(m_dialogParent);
    m_results->setObjectName(QStringLiteral("profileResults"));
    m_results->setWindowTitle(tr("应用配置文件的结果"));
    m_results->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever is freed once the operator closes the results is given back.
    connect(m_results, &QObject::destroyed, this, [] { releaseFreedMemory(); });
    auto *table = new QTableView(m_results);
    table->setObjectName(QStringLiteral("profileResultTable"));
    table->setModel(new ResultRows(m_shown, table));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Measured on the first rows only: all 100,000 would take seconds.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto *summary = new QLabel(tr("共 %1 步：成功 %2，未成功 %3，未发送 %4")
                                   .arg(steps.size())
                                   .arg(accepted)
                                   .arg(done - accepted)
                                   .arg(steps.size() - done),
                               m_results);
    summary->setObjectName(QStringLiteral("profileSummary"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_results);
    QPushButton *copy = buttons->addButton(tr("复制"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("profileResultsCopy"));
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(resultsText()); });
    QPushButton *save = buttons->addButton(tr("保存为 CSV…"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("profileResultsSave"));
    connect(save, &QPushButton::clicked, this, &ProfileSession::saveResultsWithDialog);
    QPushButton *again = buttons->addButton(tr("重试未成功的步骤"), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("profileRetry"));
    again->setEnabled(!retry.steps.isEmpty());
    connect(again, &QPushButton::clicked, this, [this, retry] {
        if (isApplying())
            return;
        m_results->close();
        ProfileSession::run(retry);
    });
    connect(buttons, &QDialogButtonBox::rejected, m_results, &QDialog::close);
    auto *layout = new QVBoxLayout(m_results);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(buttons);
    m_results->resize(640, 360);
    m_results->show();
}

QList<QStringList> ProfileSession::resultRows() const
{
    QList<QStringList> rows{Shown::header()};
    for (qsizetype i = 0; m_shown && i < m_shown->run.steps.size(); ++i)
        rows << m_shown->row(i);
    return rows;
}

QString ProfileSession::resultsText() const
{
    // Tab-separated: a spreadsheet takes it as rows and columns when pasted.
    QStringList lines;
    for (const QStringList &row : resultRows())
        lines << row.join(u'\t');
    return lines.join(u'\n') + u'\n';
}

QByteArray resultsCsv(const QList<QStringList> &rows)
{
    // UTF-8 with a byte order mark, so that a spreadsheet program reads the
    // Chinese as UTF-8; fields quoted where they hold a comma, a quote or a
    // line break; lines end in CR LF.
    QByteArray csv("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        QStringList fields;
        for (QString field : row) {
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
                field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
            fields << field;
        }
        csv += fields.join(u',').toUtf8() + "\r\n";
    }
    return csv;
}

bool ProfileSession::saveResults(const QString &path, QString *error) const
{
    if (const auto problem = writeFileAtomically(path.toLocal8Bit().toStdString(), resultsCsv(resultRows()).toStdString())) {
        *error = toQString(fileProblemText(*problem));
        return false;
    }
    return true;
}

void ProfileSession::saveResultsWithDialog()
{
    const QString path = m_sink.saveFileName(tr("保存结果"), QDir(folder()).filePath(tr("结果.csv")),
                                             tr("CSV 文件 (*.csv);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    QString error;
    if (!saveResults(path, &error))
        m_sink.show(tr("无法保存结果：%1").arg(error));
}

QString ProfileSession::folder() const
{
    const QString home = QDir::homePath();
    return m_settings ? m_settings->value(FolderKey, home).toString() : home;
}

void ProfileSession::rememberFolder(const QString &path)
{
    if (m_settings)
        m_settings->setValue(FolderKey, QFileInfo(path).absolutePath());
}

}  // namespace smscfg
