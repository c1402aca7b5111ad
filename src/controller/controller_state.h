#pragma once

#include "controller/frame_assembler.h"
#include "protocol/bytes.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The virtual controller's decisions: what it accepts or refuses, and what it
// keeps. smscfg-sim drives it on a pseudo-terminal; the browser page's demo
// controller uses the same decisions.
namespace smscfg::controller {

// What the controller has been told. Keys of the per-device maps are the
// device number ("3"); of the per-probe maps, device and probe ("3/2").
struct ControllerState {
    struct Description {
        std::u16string text;
        std::u16string encoding;
        Bytes bytes;    // the text's bytes, fill removed
        Bytes content;  // device descriptions only
    };
    struct Clock {
        int year, month, day, hour, minute, weekday;
    };

    bool initialised = false;
    std::optional<int> deviceCount;
    Bytes addresses;
    Bytes portCounts;
    std::map<std::u16string, Description> devices;
    std::map<std::u16string, Description> ports;
    std::u16string smsCentre;
    std::array<std::u16string, 16> phones;
    std::map<std::u16string, std::vector<int>> deviceSwitches;  // phones that receive messages
    std::map<std::u16string, std::vector<int>> probeSwitches;
    std::map<std::u16string, std::u16string> probeTypes;
    std::map<std::u16string, std::u16string> upperLimits;  // "high" or "low"
    std::map<std::u16string, std::u16string> lowerLimits;
    std::optional<Clock> clock;

    // The state as a JSON object, compact, keys in order.
    std::string toJson() const;
    // The inverse of toJson(): every field, each checked for its type and
    // range. The reason, naming the field ("devices.3.content: missing"), for
    // anything toJson() would not have written, so that a state that is
    // loaded and saved again comes out as it went in.
    static std::variant<ControllerState, std::u16string> fromJson(std::string_view json);
};

// The controller's verdict on one well formed request.
struct Decision {
    bool accepted;
    std::u16string refusal;  // why it was refused: "电话序号0不在1到16之间"
};

// Applies a well formed request frame to `state` when its values are
// acceptable; a refused request leaves the state as it was.
Decision applyRequest(ControllerState &state, ByteView frame);

// The controller's answer to what the frame reassembly found: its decision
// (a malformed run, or everything with `refuseAll`, is refused), the reply
// frame 7E FE 08 00 code status checksum 16, and the request in words for
// the log ("0x4C 第3个电话 = 139…", with "，拒绝：reason" when refused).
struct Answer {
    Decision decision;
    Bytes reply;
    std::u16string meaning;
};
Answer answerRequest(ControllerState &state, const FrameAssembler::Item &item, bool refuseAll);

// The refusal rules, for --help.
std::u16string refusalRules();

}  // namespace smscfg::controller
