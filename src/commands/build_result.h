#pragma once

#include "protocol/frame.h"

#include <optional>
#include <string>
#include <string_view>

namespace smscfg {

// What a request builder makes of the operator's input: a frame to send,
// one of the fixed messages of its button, or a refusal of input that cannot
// be encoded. A message or refusal never comes with a frame.
class BuildResult {
public:
    enum class Kind { Frame, Message, Refusal };

    static BuildResult ofFrame(CommandFrame frame) { return BuildResult(Kind::Frame, std::move(frame), {}); }
    static BuildResult message(std::u16string text) { return BuildResult(Kind::Message, std::nullopt, std::move(text)); }
    static BuildResult refusal(std::u16string text) { return BuildResult(Kind::Refusal, std::nullopt, std::move(text)); }

    Kind kind() const { return m_kind; }
    bool hasFrame() const { return m_frame.has_value(); }
    // Precondition: hasFrame().
    const CommandFrame &frame() const { return *m_frame; }
    // The message or refusal text; empty with a frame.
    const std::u16string &text() const { return m_text; }

private:
    BuildResult(Kind kind, std::optional<CommandFrame> frame, std::u16string text)
        : m_kind(kind), m_frame(std::move(frame)), m_text(std::move(text)) {}

    Kind m_kind;
    std::optional<CommandFrame> m_frame;
    std::u16string m_text;
};

// Refusal text for a box that must hold a decimal number in [low, high].
std::u16string numberRangeRefusal(std::u16string_view boxName, int low, int high);

// Refusal text for a box that must hold whole pairs of hex digits.
std::u16string hexPairsRefusal(std::u16string_view boxName);

}  // namespace smscfg
