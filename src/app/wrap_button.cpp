#include "app/wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace smscfg {

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // A caption too wide for one line wraps at its spaces (English); a
    // Chinese one has none to break at, and is split into two lines of
    // equal length.
    QString text = caption;
    int flags = Qt::AlignCenter;
    if (caption.contains(u' '))
        flags |= Qt::TextWordWrap;
    else if (fontMetrics().horizontalAdvance(caption) > area.width())
        text = caption.left((caption.size() + 1) / 2) + u'\n' + caption.mid((caption.size() + 1) / 2);
    painter.drawText(area, flags, text);
}

}  // namespace smscfg
