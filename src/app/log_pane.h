#pragma once

#include <QWidget>
#include <functional>

class QPlainTextEdit;

namespace smscfg {

// The communication log: one line per frame sent, reply received and
// outcome, long lines wrapped, with 保存… (to a text file, after a header)
// and 清空.
class LogPane : public QWidget {
    Q_OBJECT
public:
    // The most lines it keeps: a session of noise must not eat the memory.
    static constexpr int MaxLines = 20000;

    explicit LogPane(QWidget *parent = nullptr);

    void append(const QString &line);
    QStringList lines() const;
    void clear();
    // The lines a saved log starts with (when saved, by whom, which port).
    void setHeader(std::function<QStringList()> header) { m_header = std::move(header); }
    // Writes the header, a blank line and every line to `path` (UTF-8).
    // Returns false, with the reason in `error`, when the file cannot be
    // written.
    bool saveTo(const QString &path, QString *error) const;

signals:
    void cleared();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void onSave();

    QPlainTextEdit *m_view;
    std::function<QStringList()> m_header;
};

}  // namespace smscfg
