#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace smscfg {

// The communication log: one line per frame sent, reply received and
// outcome, with 保存… (to a text file) and 清空.
class LogPane : public QWidget {
    Q_OBJECT
public:
    // The most lines it keeps: a session of noise must not eat the memory.
    static constexpr int MaxLines = 20000;

    explicit LogPane(QWidget *parent = nullptr);

    void append(const QString &line);
    QStringList lines() const;
    void clear();
    // Writes every line to `path` (UTF-8). Returns false, with the reason in
    // `error`, when the file cannot be written.
    bool saveTo(const QString &path, QString *error) const;

private:
    void onSave();

    QPlainTextEdit *m_view;
};

}  // namespace smscfg
