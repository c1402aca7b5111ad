#include "commands/command_table.h"
#include "commands/form_layout_table.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

#include <set>

using namespace smscfg;

namespace {

const FormControl *findControl(std::u16string_view name)
{
    for (const FormControl &c : formControls())
        if (c.name == name)
            return &c;
    return nullptr;
}

}  // namespace

// The form the window and the page build: every control a command reads or
// is pressed by is on it, once, inside the form.
TEST_CASE("the form holds every control the commands use")
{
    std::set<std::u16string_view> names;
    for (const FormControl &c : formControls()) {
        INFO(text::toUtf8(c.name));
        CHECK(names.insert(c.name).second);
        CHECK(c.left >= 0);
        CHECK(c.top >= 0);
        CHECK(c.left + c.width <= FormWidthTwips);
        CHECK(c.top + c.height <= FormHeightTwips);
        if (!c.rowButton.empty()) {
            const FormControl *button = findControl(c.rowButton);
            CHECK((button && button->kind == ControlKind::Button));
        }
    }
    for (const CommandEntry &entry : commandTable()) {
        INFO(text::toUtf8(entry.cliName));
        const FormControl *button = findControl(entry.button);
        REQUIRE(button);
        CHECK(button->kind == ControlKind::Button);
        CHECK(captionOf(*button) == entry.caption);
        for (const std::u16string &control : entry.textControls())
            CHECK(findControl(control));
    }
    CHECK(captionOf(*findControl(u"Command7")) == u"串口设置");
}

TEST_CASE("the phone boxes stand in their frame, four to a row")
{
    const FormControl *frame = findControl(PhoneFrame);
    REQUIRE(frame);
    struct Row {
        int k;
        const char *name;
        const char *caption;
        int left, top;
    };
    const Row rows[] = {
        {0, "Check2_0", "电话01", 150, 5760},
        {3, "Check2_3", "电话04", 2580, 5760},
        {4, "Check2_4", "电话05", 150, 6120},
        {15, "Check2_15", "电话16", 2580, 6840},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const FormControl box = phoneBox(row.k);
        CHECK(text::toUtf8(box.name) == row.name);
        CHECK(text::toUtf8(box.caption) == row.caption);
        CHECK(box.left == row.left);
        CHECK(box.top == row.top);
        CHECK(box.left + box.width <= frame->left + frame->width);
        CHECK(box.top + box.height <= frame->top + frame->height);
    }
}

TEST_CASE("Enter in a box presses its row's button")
{
    CHECK(rowButtonOf(u"Text3") == u"Command3");
    CHECK(rowButtonOf(u"Combo7") == u"Command15");
    CHECK(rowButtonOf(u"Text13").empty());  // read by several buttons
    CHECK(rowButtonOf(u"Command3").empty());
}
