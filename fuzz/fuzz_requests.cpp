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
    const char *names[] = {"Check1", "Check3", "Option1_0", "Option1_1"};
    for (int i = 0; i < 4; ++i)
        if (toggles & (1 << i))
            controls.ticked.insert(QString::fromLatin1(names[i]));
    const uint8_t a = in.byte(), b = in.byte();
    for (int phone = 1; phone <= 16; ++phone)
        if (((phone <= 8 ? a : b) >> ((phone - 1) % 8)) & 1)
            controls.ticked.insert(phoneCheckName(phone));
    for (const QString &name : entry.textControls())
        controls.texts.insert(name, in.text());

    const BuildResult result = entry.build(controls);
    if (result.hasFrame()) {
        const QByteArray &bytes = result.frame().bytes();
        FUZZ_CHECK(result.kind() == BuildResult::Kind::Frame);
        FUZZ_CHECK(result.text().isEmpty());
        FUZZ_CHECK(isWellFormedFrame(bytes));
        FUZZ_CHECK(bytes.size() <= 255 && quint8(bytes[2]) == bytes.size());
        FUZZ_CHECK(quint8(bytes[4]) == entry.code);
        FUZZ_CHECK(entry.build(controls).frame() == result.frame());
    } else {
        FUZZ_CHECK(result.kind() != BuildResult::Kind::Frame);
        FUZZ_CHECK(!result.text().isEmpty());
    }
    return 0;
}
