#include "fuzz_input.h"
#include "protocol/frame.h"
#include "sim/controller_state.h"
#include "sim/frame_assembler.h"

#include <QJsonDocument>
#include <cstdio>

using namespace smscfg;
using namespace smscfg::sim;

// A byte stream cut into chunks at fuzzer-chosen points: only well formed
// frames come out as frames, nothing held grows past one frame, and every
// frame can be applied and written out.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t chunkSize = in.byte() | 1;
    const QByteArray stream = in.rest();
    FrameAssembler assembler;
    ControllerState state;
    auto check = [&](const QList<FrameAssembler::Item> &items) {
        for (const auto &item : items) {
            FUZZ_CHECK(item.bytes.size() <= 255);
            if (item.kind == FrameAssembler::Item::Frame) {
                FUZZ_CHECK(isWellFormedFrame(item.bytes));
                applyRequest(state, item.bytes);
            }
        }
        FUZZ_CHECK(assembler.pending() <= 255);
    };
    for (qsizetype at = 0; at < stream.size(); at += chunkSize)
        check(assembler.feed(stream.mid(at, chunkSize)));
    check(assembler.expire());
    FUZZ_CHECK(!QJsonDocument(state.toJson()).toJson().isEmpty());
    return 0;
}
