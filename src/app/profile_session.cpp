#include "app/profile_session.h"

#include "app/app_title.h"
#include "link/outcome_text.h"
#include "link/step_runner.h"
#include "protocol/request_text.h"
#include "protocol/wire.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>

namespace smscfg {
namespace {

const QString ProfileFilter = QStringLiteral("配置文件 (*.json);;所有文件 (*)");

// What a request sets: its code and the bytes that name the device, probe
// or phone slot.
QByteArray settingKey(const QByteArray &frame)
{
    const quint8 code = quint8(frame[4]);
    return frame.mid(4, 1 + wire::targetBytes(code));
}

}  // namespace

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
        record(words, result.request);
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    const Profile profile{QFileInfo(path).completeBaseName(), recordedSteps()};
    if (file.write(profileToJson(profile)) < 0 || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void ProfileSession::saveWithDialog()
{
    if (m_record.isEmpty()) {
        m_sink.show(QStringLiteral("还没有设置成功的请求可以保存"));
        return;
    }
    const QString path = m_sink.saveFileName(QStringLiteral("保存为配置文件"), QStringLiteral("配置.json"), ProfileFilter);
    if (path.isEmpty())
        return;
    QString error;
    if (!save(path, &error))
        m_sink.show(QStringLiteral("无法保存配置文件：%1").arg(error));
}

void ProfileSession::applyWithDialog()
{
    const QString path = m_sink.openFileName(QStringLiteral("应用配置文件"), ProfileFilter);
    if (!path.isEmpty())
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_sink.show(QStringLiteral("无法读取配置文件：%1").arg(file.errorString()));
        return;
    }
    const auto profile = parseProfile(file.readAll());
    if (const auto *problem = std::get_if<QString>(&profile)) {
        m_sink.show(*problem);
        return;
    }
    const auto built = buildProfileSteps(std::get<Profile>(profile), m_now());
    if (const auto *problem = std::get_if<QString>(&built)) {
        m_sink.show(*problem);
        return;
    }
    const QList<ProfileStep> steps = std::get<QList<ProfileStep>>(built);
    if (steps.isEmpty()) {
        m_sink.show(QStringLiteral("配置文件里没有步骤"));
        return;
    }
    QStringList lines;
    for (qsizetype i = 0; i < steps.size(); ++i)
        lines << QStringLiteral("%1. %2").arg(i + 1).arg(describeRequest(steps[i].frame.bytes()));
    const QString name = std::get<Profile>(profile).name;
    if (!m_sink.ask(QStringLiteral("把配置文件“%1”的 %2 步发送到控制器：\n\n%3")
                        .arg(name.isEmpty() ? QFileInfo(path).fileName() : name)
                        .arg(steps.size())
                        .arg(lines.join(u'\n')),
                    QStringLiteral("应用")))
        return;

    QList<QByteArray> frames;
    for (const ProfileStep &step : steps)
        frames << step.frame.bytes();
    m_runner = std::make_unique<StepRunner>(m_exchange, frames, false);
    delete m_progress;
    m_progress = new QProgressDialog(m_dialogParent);
    m_progress->setObjectName(QStringLiteral("profileProgress"));
    m_progress->setWindowTitle(applicationTitle());
    m_progress->setCancelButtonText(QStringLiteral("取消"));
    m_progress->setRange(0, int(steps.size()));
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setWindowModality(Qt::WindowModal);
    connect(m_progress, &QProgressDialog::canceled, m_runner.get(), &StepRunner::cancel);

    auto results = std::make_shared<QList<Exchange::Result>>();
    connect(m_runner.get(), &StepRunner::stepStarted, this, [this, steps](qsizetype index) {
        m_progress->setValue(int(index));
        m_progress->setLabelText(QStringLiteral("第%1步，共%2步：%3")
                                     .arg(index + 1)
                                     .arg(steps.size())
                                     .arg(describeRequest(steps[index].frame.bytes())));
    });
    connect(m_runner.get(), &StepRunner::stepFinished, this,
            [this, steps, results](qsizetype index, const Exchange::Result &result) {
                results->append(result);
                if (result.outcome == Exchange::Outcome::Accepted)
                    record(steps[index].words, result.request);
            });
    connect(m_runner.get(), &StepRunner::done, this, [this, steps, results](bool cancelled) {
        m_progress->hide();
        showResults(steps, *results, cancelled);
    });
    m_progress->show();
    m_runner->start();
}

void ProfileSession::showResults(const QList<ProfileStep> &steps, const QList<Exchange::Result> &results,
                                 bool cancelled)
{
    delete m_results;
    m_results = new QDialog(m_dialogParent);
    m_results->setObjectName(QStringLiteral("profileResults"));
    m_results->setWindowTitle(QStringLiteral("应用配置文件的结果"));
    m_results->setAttribute(Qt::WA_DeleteOnClose);
    auto *table = new QTableWidget(int(steps.size()), 3, m_results);
    table->setObjectName(QStringLiteral("profileResultTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("步骤"), QStringLiteral("请求"), QStringLiteral("结果")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const int row = int(i);
        table->setItem(row, 0, new QTableWidgetItem(QString::number(i + 1)));
        table->setItem(row, 1, new QTableWidgetItem(describeRequest(steps[i].frame.bytes())));
        const QString text = i < results.size() ? resultText(results[i])
                                                : (cancelled ? QStringLiteral("已取消，未发送") : QStringLiteral("未发送"));
        table->setItem(row, 2, new QTableWidgetItem(text));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    const qsizetype accepted = std::count_if(results.cbegin(), results.cend(), [](const Exchange::Result &r) {
        return r.outcome == Exchange::Outcome::Accepted;
    });
    auto *summary = new QLabel(QStringLiteral("共 %1 步：成功 %2，未成功 %3，未发送 %4")
                                   .arg(steps.size())
                                   .arg(accepted)
                                   .arg(results.size() - accepted)
                                   .arg(steps.size() - results.size()),
                               m_results);
    summary->setObjectName(QStringLiteral("profileSummary"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_results);
    connect(buttons, &QDialogButtonBox::rejected, m_results, &QDialog::close);
    auto *layout = new QVBoxLayout(m_results);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(buttons);
    m_results->resize(640, 360);
    m_results->show();
}

}  // namespace smscfg
