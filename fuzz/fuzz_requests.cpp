#include "commands/command_table.h"
#include "fuzz_input.h"

#include <cstdio>

using namespace smscfg;

// Any texts in any boxes, any ticks: a frame is always well formed and of the
// command's code; a message or refusal never carries a frame and says something.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const auto &table = commandTable();
    const CommandEntry &entry = table[in.byte() % table.size()];
    ControlValues controls;
    const uint8_t toggles = in.byte();
    const char16_t *names[] = {u"Check1", u"Check3", u"Option1_0", u"Option1_1"};
    for (int i = 0; i < 4; ++i)
        if (toggles & (1 << i))
            controls.ticked.insert(names[i]);
    const uint8_t a = in.byte(), b = in.byte();
    for (int phone = 1; phone <= 16; ++phone)
        if (((phone <= 8 ? a : b) >> ((phone - 1) % 8)) & 1)
            controls.ticked.insert(phoneCheckName(phone));
    for (const std::u16string &name : entry.textControls())
        controls.texts.insert_or_assign(name, in.text());

    const BuildResult result = entry.build(controls);
    if (result.hasFrame()) {
        const Bytes &bytes = result.frame().bytes();
        FUZZ_CHECK(result.kind() == BuildResult::Kind::Frame);
        FUZZ_CHECK(result.text().empty());
        FUZZ_CHECK(isWellFormedFrame(bytes));
        FUZZ_CHECK(bytes.size() <= 255 && bytes[2] == bytes.size());
        FUZZ_CHECK(bytes[4] == entry.code);
        FUZZ_CHECK(entry.build(controls).frame() == result.frame());
    } else {
        FUZZ_CHECK(result.kind() != BuildResult::Kind::Frame);
        FUZZ_CHECK(!result.text().empty());
    }
    return 0;
}
