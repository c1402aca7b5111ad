#include "app/message_box_sink.h"

#include "app/app_title.h"
#include "app/steps_question_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace smscfg {

void MessageBoxSink::show(const QString &text)
{
    // Modal, but without a nested event loop: the caller returns at once,
    // so the line goes on being read while the box is open, and a verdict
    // that comes meanwhile gets its own box.
    auto *box = new QMessageBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool MessageBoxSink::confirmSteps(const StepsQuestion &question, bool *ticked)
{
    StepsQuestionDialog dialog(question, m_parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    *ticked = dialog.optionTicked();
    return accepted;
}

QString MessageBoxSink::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString MessageBoxSink::saveFileName(const QString &title, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filter);
}

}  // namespace smscfg
