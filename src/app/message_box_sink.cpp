#include "app/message_box_sink.h"

#include "app/app_title.h"

#include <QMessageBox>

namespace smscfg {

void MessageBoxSink::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

}  // namespace smscfg
