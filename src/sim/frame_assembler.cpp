#include "sim/frame_assembler.h"

#include "protocol/frame.h"

namespace smscfg::sim {

QList<FrameAssembler::Item> FrameAssembler::feed(const QByteArray &chunk)
{
    QList<Item> items;
    for (const char byte : chunk) {
        m_buffer.append(byte);
        for (;;) {
            // Drop everything before a start pair, keeping a lone 7E at the end.
            qsizetype start = m_buffer.indexOf("\x7E\xFE");
            if (start < 0) {
                const bool keepLast = m_buffer.endsWith('\x7E');
                m_buffer = keepLast ? QByteArray(1, '\x7E') : QByteArray();
                break;
            }
            m_buffer.remove(0, start);
            if (m_buffer.size() < 3)
                break;
            const int len = quint8(m_buffer[2]);
            if (len < CommandFrame::MinSize) {
                items.append({Item::Malformed, m_buffer.left(3)});
                m_buffer.remove(0, 2);
                continue;
            }
            if (m_buffer.size() < len)
                break;
            const QByteArray candidate = m_buffer.left(len);
            if (isWellFormedFrame(candidate)) {
                items.append({Item::Frame, candidate});
                m_buffer.remove(0, len);
            } else {
                items.append({Item::Malformed, candidate});
                m_buffer.remove(0, 2);
            }
        }
    }
    return items;
}

QList<FrameAssembler::Item> FrameAssembler::expire()
{
    if (m_buffer.size() < 2 || !m_buffer.startsWith("\x7E\xFE"))
        return {};
    QList<Item> items{{Item::Malformed, m_buffer}};
    const QByteArray rest = m_buffer.mid(2);
    m_buffer.clear();
    items += feed(rest);
    return items;
}

}  // namespace smscfg::sim
