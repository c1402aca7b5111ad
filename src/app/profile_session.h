#pragma once

#include "app/message_sink.h"
#include "commands/profile.h"
#include "link/exchange.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <memory>
#include <vector>

class QSettings;

namespace smscfg {

class StepRunner;

// The window's profiles. It records the requests the controller accepted
// (a later one replacing an earlier one that set the same thing), saves
// them as a profile, and applies a profile's steps to the open port with a
// progress dialog and a table of results.
class ProfileSession : public QObject {
    Q_OBJECT
public:
    ProfileSession(Exchange &exchange, MessageSink &sink, QWidget *dialogParent,
                   std::function<QDateTime()> now, QObject *parent = nullptr);
    ~ProfileSession() override;

    // Where the folder last used for profiles is remembered.
    void setSettings(QSettings *settings) { m_settings = settings; }

    // A request the window sent, as words: recorded if it is accepted.
    void requestSent(quint64 id, const QStringList &words);

    QList<QStringList> recordedSteps() const;
    void clearRecord();

    // 文件 → 保存为配置文件… and 应用配置文件…: ask for the file, then do it.
    void saveWithDialog();
    void applyWithDialog();

    bool save(const QString &path, QString *error) const;
    // Reads, shows the steps, and applies them once the operator agrees
    // (and says whether to go on after a step that fails).
    void apply(const QString &path);
    bool isApplying() const;
    // The results of the last apply, or null before the first.
    QDialog *results() const { return m_results; }
    QProgressDialog *progress() const { return m_progress; }
    // The last result table: tab-separated (复制), or as CSV to `path`.
    QString resultsText() const;
    bool saveResults(const QString &path, QString *error) const;

    // What one applied step came to, kept small: 100,000 steps must not cost
    // the window a gigabyte.
    struct StepOutcome {
        Exchange::Outcome outcome;
        qint32 ms;
        bool late;
        std::vector<std::uint8_t> reply;  // only without a verdict, to show it
        static StepOutcome of(const Exchange::Result &result);
        // As the results table shows it: "设置成功（28 ms）".
        QString text() const;
    };

    // Steps to send, with their numbers in the profile.
    struct Run {
        QList<ProfileStep> steps;
        QList<qsizetype> numbers;
        bool keepGoing = false;
    };

    // The last results: a run and what its steps came to. The table, 复制
    // and CSV make their rows from it when they need them.
    struct Shown {
        Run run;
        std::vector<StepOutcome> outcomes;
        bool cancelled = false;
        static QStringList header();
        QStringList row(qsizetype index) const;  // step number, request, result
    };

signals:
    // A profile was saved: where, in words for the status bar.
    void saved(const QString &text);

private:
    void onFinished(const Exchange::Result &result);
    void record(const QStringList &words, const QByteArray &frame);
    void run(const Run &run);
    void showResults(const Run &run, std::vector<StepOutcome> outcomes, bool cancelled);
    QList<QStringList> resultRows() const;
    void saveResultsWithDialog();
    QString folder() const;
    void rememberFolder(const QString &path);

    Exchange &m_exchange;
    MessageSink &m_sink;
    QWidget *m_dialogParent;
    std::function<QDateTime()> m_now;
    QHash<quint64, QStringList> m_sentWords;
    struct Recorded {
        QByteArray key;  // what the request sets
        QStringList words;
    };
    QList<Recorded> m_record;
    std::unique_ptr<StepRunner> m_runner;
    QPointer<QProgressDialog> m_progress;
    QPointer<QDialog> m_results;
    std::shared_ptr<const Shown> m_shown;
    QSettings *m_settings = nullptr;
};

// Rows as CSV: UTF-8 with a byte order mark, CR LF line ends.
QByteArray resultsCsv(const QList<QStringList> &rows);

}  // namespace smscfg
