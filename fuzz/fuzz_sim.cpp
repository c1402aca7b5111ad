#include "fuzz_input.h"
#include "protocol/frame.h"
#include "controller/controller_state.h"
#include "controller/frame_assembler.h"

#include <cstdio>
#include <variant>

using namespace smscfg;
using namespace smscfg::controller;

// A byte stream cut into chunks at fuzzer-chosen points: only well formed
// frames come out as frames, nothing held grows past one frame, and every
// frame can be applied and written out.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t chunkSize = in.byte() | 1;
    const Bytes stream = in.rest();
    FrameAssembler assembler;
    ControllerState state;
    auto check = [&](const std::vector<FrameAssembler::Item> &items) {
        for (const auto &item : items) {
            FUZZ_CHECK(item.bytes.size() <= 255);
            if (item.kind == FrameAssembler::Item::Frame) {
                FUZZ_CHECK(isWellFormedFrame(item.bytes));
                applyRequest(state, item.bytes);
            }
        }
        FUZZ_CHECK(assembler.pending() <= 255);
    };
    for (size_t at = 0; at < stream.size(); at += chunkSize)
        check(assembler.feed(ByteView(stream).subspan(at, std::min<size_t>(chunkSize, stream.size() - at))));
    check(assembler.expire());
    // What is kept can be written out and read back as it was.
    const auto back = ControllerState::fromJson(state.toJson());
    FUZZ_CHECK(std::holds_alternative<ControllerState>(back));
    FUZZ_CHECK(std::get<ControllerState>(back).toJson() == state.toJson());
    return 0;
}
