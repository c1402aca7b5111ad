#include "app/port_combo_box.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStyledItemDelegate>

namespace smscfg {
namespace {

// Shows "path (description)" in the list; the item's text, which the box
// takes when it is picked, stays the path.
class PortItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString description = index.data(PortComboBox::DescriptionRole).toString();
        if (!description.isEmpty())
            option->text += QStringLiteral(" (%1)").arg(description);
    }
};

}  // namespace

PortComboBox::PortComboBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new PortItemDelegate(this));
}

QList<PortInfo> PortComboBox::refresh()
{
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    clear();
    const QList<PortInfo> ports = portsForDisplay(m_ports->ports());
    for (const PortInfo &port : ports) {
        addItem(port.path);
        setItemData(count() - 1, port.description, DescriptionRole);
        setItemData(count() - 1, port.manufacturer.isEmpty() ? port.description
                                                              : port.description + u'\n' + port.manufacturer,
                    Qt::ToolTipRole);
    }
    for (int n = 1; n <= 16; ++n)
        addItem(QString::number(n));
    const int index = findText(text);
    if (index >= 0)
        setCurrentIndex(index);
    else
        setEditText(text);
    return ports;
}

void PortComboBox::showPopup()
{
    refresh();
    // Wide enough for "/dev/ttyUSB0 (USB-Serial CH340)", wider than the box.
    const QFontMetrics metrics(view()->font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        const QString description = itemData(i, DescriptionRole).toString();
        const QString text = description.isEmpty() ? itemText(i) : QStringLiteral("%1 (%2)").arg(itemText(i), description);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    view()->setMinimumWidth(widest + 2 * metrics.averageCharWidth()
                            + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    QComboBox::showPopup();
}

}  // namespace smscfg
