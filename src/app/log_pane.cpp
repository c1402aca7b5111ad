#include "app/log_pane.h"

#include "app/app_title.h"
#include "files/files.h"
#include "qt_boundary/core_types.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace smscfg {

LogPane::LogPane(QWidget *parent, int maxLines)
    : QWidget(parent), m_view(new QPlainTextEdit(this)), m_droppedNote(new QLabel(this)), m_maxLines(maxLines)
{
    m_droppedNote->setObjectName(QStringLiteral("logDropped"));
    m_droppedNote->hide();
    setObjectName(QStringLiteral("logPane"));
    m_view->setObjectName(QStringLiteral("logView"));
    m_view->setReadOnly(true);
    // A long line (a 255-byte frame) wraps: read down, not sideways.
    m_view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_view->setMaximumBlockCount(m_maxLines);
    auto *save = new QPushButton(this);
    save->setObjectName(QStringLiteral("logSave"));
    auto *clearButton = new QPushButton(this);
    clearButton->setObjectName(QStringLiteral("logClear"));
    retranslate();
    connect(save, &QPushButton::clicked, this, &LogPane::onSave);
    connect(clearButton, &QPushButton::clicked, this, &LogPane::clear);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(clearButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_droppedNote);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
}

void LogPane::retranslate()
{
    findChild<QPushButton *>(QStringLiteral("logSave"))->setText(tr("保存…"));
    findChild<QPushButton *>(QStringLiteral("logClear"))->setText(tr("清空"));
}

void LogPane::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Lines already written stay in the language they were written in.
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void LogPane::append(const QString &line)
{
    // The view lets the first line go itself once it holds m_maxLines.
    if (m_kept < m_maxLines)
        ++m_kept;
    else
        addDropped(1);
    m_view->appendPlainText(line);
}

void LogPane::addDropped(qint64 count)
{
    if (count <= 0)
        return;
    m_dropped += count;
    m_droppedNote->setText(droppedText());
    m_droppedNote->show();
}

QString LogPane::droppedText() const
{
    return tr("（较早的 %1 行已不再保留，这里是最近的 %2 行）").arg(m_dropped).arg(m_maxLines);
}

QStringList LogPane::lines() const
{
    const QString text = m_view->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void LogPane::clear()
{
    m_view->clear();
    m_kept = 0;
    m_dropped = 0;
    m_droppedNote->hide();
    emit cleared();
}

bool LogPane::saveTo(const QString &path, QString *error) const
{
    const QStringList header = m_header ? m_header() : QStringList();
    const QString text = (header.isEmpty() ? QString() : header.join(u'\n') + QStringLiteral("\n\n"))
        + (m_dropped > 0 ? droppedText() + u'\n' : QString()) + m_view->toPlainText() + u'\n';
    const std::optional<FileProblem> problem = writeFileAtomically(path.toLocal8Bit().toStdString(), text.toStdString());
    if (problem && error)
        *error = toQString(fileProblemText(*problem));
    return !problem;
}

void LogPane::onSave()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("保存通信记录"),
                                                      tr("通信记录.txt"),
                                                      tr("文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveTo(path, &error))
        QMessageBox::warning(this, applicationTitle(), tr("无法保存通信记录：%1").arg(error));
}

}  // namespace smscfg
