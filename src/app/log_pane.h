#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;

namespace smscfg {

// The communication log: one line per frame sent, reply received and
// outcome, long lines wrapped, with 保存… (to a text file, after a header)
// and 清空. It keeps its last `maxLines` lines (MaxLines unless told), and
// says above them how many earlier ones it let go.
class LogPane : public QWidget {
    Q_OBJECT
public:
    // The most lines it keeps: a long apply or a session of noise must not
    // eat the memory.
    static constexpr int MaxLines = 10000;

    explicit LogPane(QWidget *parent = nullptr, int maxLines = MaxLines);

    void append(const QString &line);
    // Lines that were let go before this pane was made.
    void addDropped(qint64 count);
    QStringList lines() const;
    // How many lines were let go since the last clear().
    qint64 droppedLines() const { return m_dropped; }
    void clear();
    // The lines a saved log starts with (when saved, by whom, which port).
    void setHeader(std::function<QStringList()> header) { m_header = std::move(header); }
    // Writes the header, a blank line and every line it keeps to `path`
    // (UTF-8), after a line that says how many were let go. Returns false,
    // with the reason in `error`, when the file cannot be written.
    bool saveTo(const QString &path, QString *error) const;

signals:
    void cleared();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void onSave();
    QString droppedText() const;

    QPlainTextEdit *m_view;
    QLabel *m_droppedNote;
    int m_maxLines;
    int m_kept = 0;
    qint64 m_dropped = 0;
    std::function<QStringList()> m_header;
};

}  // namespace smscfg
