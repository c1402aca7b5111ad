#include "app/message_box_sink.h"

#include "app/app_title.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

bool MessageBoxSink::ask(const QString &text, const QString &yes)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::NoButton, m_parent);
    QPushButton *accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

bool MessageBoxSink::askWithOption(const QString &text, const QString &yes, const QString &option, bool *ticked)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::NoButton, m_parent);
    QPushButton *accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    auto *check = new QCheckBox(option, &box);
    box.setCheckBox(check);
    box.exec();
    *ticked = check->isChecked();
    return box.clickedButton() == accept;
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
