#include "controller/frame_assembler.h"

#include "protocol/frame.h"

#include <algorithm>

namespace smscfg::controller {
namespace {

constexpr std::uint8_t StartPair[] = {CommandFrame::Start1, CommandFrame::Start2};

}  // namespace

std::vector<FrameAssembler::Item> FrameAssembler::feed(ByteView chunk)
{
    std::vector<Item> items;
    for (const std::uint8_t byte : chunk) {
        m_buffer.push_back(byte);
        for (;;) {
            // Drop everything before a start pair, keeping a lone 7E at the end.
            const auto start = std::search(m_buffer.begin(), m_buffer.end(), std::begin(StartPair), std::end(StartPair));
            if (start == m_buffer.end()) {
                const bool keepLast = !m_buffer.empty() && m_buffer.back() == CommandFrame::Start1;
                m_buffer.clear();
                if (keepLast)
                    m_buffer.push_back(CommandFrame::Start1);
                break;
            }
            m_buffer.erase(m_buffer.begin(), start);
            if (m_buffer.size() < 3)
                break;
            const std::size_t len = m_buffer[2];
            if (len < std::size_t(CommandFrame::MinSize)) {
                items.push_back({Item::Malformed, Bytes(m_buffer.begin(), m_buffer.begin() + 3)});
                m_buffer.erase(m_buffer.begin(), m_buffer.begin() + 2);
                continue;
            }
            if (m_buffer.size() < len)
                break;
            Bytes candidate(m_buffer.begin(), m_buffer.begin() + std::ptrdiff_t(len));
            if (isWellFormedFrame(candidate)) {
                items.push_back({Item::Frame, std::move(candidate)});
                m_buffer.erase(m_buffer.begin(), m_buffer.begin() + std::ptrdiff_t(len));
            } else {
                items.push_back({Item::Malformed, std::move(candidate)});
                m_buffer.erase(m_buffer.begin(), m_buffer.begin() + 2);
            }
        }
    }
    return items;
}

std::vector<FrameAssembler::Item> FrameAssembler::expire()
{
    if (m_buffer.size() < 2 || m_buffer[0] != CommandFrame::Start1 || m_buffer[1] != CommandFrame::Start2)
        return {};
    std::vector<Item> items{{Item::Malformed, m_buffer}};
    const Bytes rest(m_buffer.begin() + 2, m_buffer.end());
    m_buffer.clear();
    const std::vector<Item> more = feed(rest);
    items.insert(items.end(), more.begin(), more.end());
    return items;
}

}  // namespace smscfg::controller
