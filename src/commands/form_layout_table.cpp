#include "commands/form_layout_table.h"

#include "commands/command_table.h"
#include "protocol/text_table.h"
#include "protocol/wire.h"

#include <array>

namespace smscfg {
namespace {

// Row by row from the top; the right-hand buttons start at 5520.
constexpr FormControl controls[] = {
    {ControlKind::Title, u"Label1", u"GSM短信报警控制器设置", 120, 0, 6135, 480},
    {ControlKind::Button, u"Command2", u"", 5520, 120, 1890, 420},

    {ControlKind::Label, u"Label3", u"设备总数", 120, 600, 1300, 360},
    {ControlKind::Text, u"Text3", u"", 1440, 600, 1500, 360, u"Command3"},
    {ControlKind::Button, u"Command3", u"", 5520, 600, 1890, 420},

    {ControlKind::Label, u"Label2_0", u"地址数", 120, 1080, 1300, 360},
    {ControlKind::Text, u"Text2", u"", 1440, 1080, 2400, 360, u"Command4"},
    {ControlKind::Hint, u"Label4", u"直接写16进制不要空格", 3900, 1200, 1560, 420},
    {ControlKind::Button, u"Command4", u"", 5520, 1080, 1890, 420},

    {ControlKind::Label, u"Label5", u"设备端口数", 120, 1560, 1300, 360},
    {ControlKind::Text, u"Text4", u"", 1440, 1560, 2400, 360, u"Command5"},
    {ControlKind::Button, u"Command5", u"", 5520, 1560, 1890, 420},

    {ControlKind::Label, u"Label6_0", u"设备描述", 120, 2280, 1500, 360},
    {ControlKind::Label, u"Label2_1", u"地址", 120, 2640, 600, 360},
    {ControlKind::Text, u"Text1", u"", 720, 2640, 900, 360, u"Command6"},
    {ControlKind::Label, u"Label2_2", u"描述", 1740, 2640, 600, 360},
    {ControlKind::Text, u"Text5", u"", 2340, 2640, 3000, 360, u"Command6"},
    {ControlKind::Button, u"Command6", u"", 5520, 2640, 1890, 420},
    {ControlKind::Label, u"Label2_6", u"内容", 1740, 3120, 600, 360},
    {ControlKind::Text, u"Text9", u"", 2340, 3120, 3000, 360, u"Command6"},

    {ControlKind::Label, u"Label6_1", u"端口描述", 120, 3480, 1500, 360},
    {ControlKind::Check, u"Check1", u"Unicode", 1740, 3480, 1500, 360},
    {ControlKind::Label, u"Label2_3", u"地址", 120, 3840, 600, 360},
    {ControlKind::Text, u"Text6", u"", 720, 3840, 900, 360, u"Command1"},
    {ControlKind::Label, u"Label2_4", u"端口", 1740, 3840, 600, 360},
    {ControlKind::Text, u"Text7", u"", 2340, 3840, 900, 360, u"Command1"},
    {ControlKind::Label, u"Label2_5", u"描述", 3360, 3840, 600, 360},
    {ControlKind::Text, u"Text8", u"", 3960, 3840, 1380, 360, u"Command1"},
    {ControlKind::Button, u"Command1", u"", 5520, 3840, 1890, 420},

    {ControlKind::Text, u"Text10", u"", 120, 4440, 5220, 360, u"Command8"},
    {ControlKind::Button, u"Command8", u"", 5520, 4440, 1890, 420},

    {ControlKind::Label, u"Label7_0", u"设置第", 120, 5040, 900, 360},
    {ControlKind::Text, u"Text11", u"", 1020, 5040, 600, 360, u"Command9"},
    {ControlKind::Label, u"Label7_1", u"个电话", 1680, 5040, 900, 360},
    {ControlKind::Text, u"Text12", u"", 2640, 5040, 2700, 360, u"Command9"},
    {ControlKind::Button, u"Command9", u"", 5520, 5040, 1890, 540},

    {ControlKind::Frame, u"Frame1", u"", 120, 5520, 3360, 1680},
    {ControlKind::Button, u"Command10", u"", 5520, 5640, 1890, 600},
    {ControlKind::Label, u"Label7_2", u"设备轮训号", 3540, 5760, 1200, 360},
    {ControlKind::Text, u"Text13", u"", 4800, 5760, 660, 360},  // read by five buttons: Enter presses none
    {ControlKind::Button, u"Command11", u"", 5520, 6480, 1890, 600},
    {ControlKind::Label, u"Label7_3", u"探头号", 3540, 6600, 1200, 360},
    {ControlKind::Text, u"Text14", u"", 4800, 6600, 660, 360},  // read by four buttons: Enter presses none

    {ControlKind::Frame, u"Frame2", u"", 120, 7200, 1500, 600},
    {ControlKind::Check, u"Check3", u"开关量", 240, 7440, 1260, 300},
    {ControlKind::Button, u"Command12", u"", 2280, 7320, 1260, 480},
    {ControlKind::Frame, u"Frame3", u"", 3600, 7200, 1860, 600},
    {ControlKind::Option, u"Option1_0", u"低电平", 3690, 7440, 870, 300},
    {ControlKind::Option, u"Option1_1", u"高电平", 4560, 7440, 870, 300},
    {ControlKind::Button, u"Command13", u"", 5520, 7320, 1890, 420},

    {ControlKind::Combo, u"Combo2", u"", 120, 7920, 600, 360, u"Command15"},
    {ControlKind::Label, u"Label8_0", u"年", 720, 7920, 240, 360},
    {ControlKind::Combo, u"Combo3", u"", 960, 7920, 600, 360, u"Command15"},
    {ControlKind::Label, u"Label8_1", u"月", 1560, 7920, 240, 360},
    {ControlKind::Combo, u"Combo4", u"", 1800, 7920, 600, 360, u"Command15"},
    {ControlKind::Label, u"Label8_2", u"日", 2400, 7920, 240, 360},
    {ControlKind::Combo, u"Combo5", u"", 2640, 7920, 600, 360, u"Command15"},
    {ControlKind::Label, u"Label8_3", u"时", 3240, 7920, 240, 360},
    {ControlKind::Combo, u"Combo6", u"", 3480, 7920, 600, 360, u"Command15"},
    {ControlKind::Label, u"Label8_4", u"分", 4080, 7920, 240, 360},
    {ControlKind::Combo, u"Combo7", u"", 4320, 7920, 1140, 360, u"Command15"},
    {ControlKind::Button, u"Command15", u"", 5520, 7920, 1890, 420},

    {ControlKind::Label, u"Label2_7", u"串口设置", 120, 8400, 1100, 360},
    {ControlKind::PortCombo, u"Combo1", u"", 1260, 8400, 1800, 360, u"Command7"},
    {ControlKind::Button, u"Command14", u"", 4680, 8400, 780, 420},
    {ControlKind::Button, u"Command7", u"串口设置", 5520, 8400, 1890, 420},
};

// The phone boxes' names and captions, made once so that views of them last.
struct PhoneBoxTexts {
    std::array<std::u16string, wire::PhoneSlotCount> names;
    std::array<std::u16string, wire::PhoneSlotCount> captions;
};

const PhoneBoxTexts &phoneBoxTexts()
{
    static const PhoneBoxTexts texts = [] {
        PhoneBoxTexts t;
        for (int k = 0; k < wire::PhoneSlotCount; ++k) {
            t.names[std::size_t(k)] = phoneCheckName(k + 1);
            t.captions[std::size_t(k)] = u"电话" + std::u16string(k + 1 < 10 ? u"0" : u"") + text::number(k + 1);
        }
        return t;
    }();
    return texts;
}

}  // namespace

std::span<const FormControl> formControls()
{
    return controls;
}

std::u16string captionOf(const FormControl &control)
{
    if (control.kind == ControlKind::Button && control.caption.empty()) {
        if (const CommandEntry *entry = findCommandByButton(control.name))
            return commandCaption(*entry);
    }
    if (control.caption.empty())
        return {};
    return text::translate("FormCaption", text::toUtf8(control.name), control.caption);
}

std::vector<text::CatalogueEntry> formCatalogue()
{
    std::vector<text::CatalogueEntry> out;
    const auto add = [&](std::u16string_view name, std::u16string_view caption) {
        if (!caption.empty())
            out.push_back({"FormCaption", text::toUtf8(name), std::u16string(caption)});
    };
    for (const FormControl &c : controls)
        add(c.name, c.caption);
    for (int k = 0; k < wire::PhoneSlotCount; ++k)
        add(phoneBox(k).name, phoneBox(k).caption);
    for (const CommandEntry &entry : commandTable())
        add(entry.button, entry.caption);
    return out;
}

bool isSmallFrame(std::u16string_view name)
{
    return name == u"Frame1" || name == u"Frame3";
}

FormControl phoneBox(int k)
{
    const PhoneBoxTexts &texts = phoneBoxTexts();
    return {ControlKind::Check, texts.names[std::size_t(k)], texts.captions[std::size_t(k)], 150 + (k % 4) * 810,
            5760 + (k / 4) * 360, 810, 330};
}

std::u16string_view rowButtonOf(std::u16string_view control)
{
    for (const FormControl &c : controls)
        if (!c.rowButton.empty() && c.name == control)
            return c.rowButton;
    return {};
}

}  // namespace smscfg
