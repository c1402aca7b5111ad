#include "cli_words/cli_texts.h"
#include "cli_words/cli_words.h"
#include "commands/catalogue.h"
#include "commands/command_table.h"
#include "commands/command_texts.h"
#include "commands/form_layout_table.h"
#include "controller/controller_texts.h"
#include "exchange/exchange_texts.h"
#include "protocol/language.h"
#include "protocol/protocol_texts.h"
#include "protocol/request_text.h"

#include <doctest/doctest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace smscfg;

namespace {

// English for as long as it lives, from the catalogue built into the tests.
struct InEnglish {
    InEnglish() { text::setTranslator(catalogueTranslator(parseCatalogue(builtInCatalogue()).value())); }
    ~InEnglish() { text::setTranslator({}); }
};

std::map<std::string, std::u16string> chineseByKey()
{
    std::map<std::string, std::u16string> out;
    for (const auto &part : {protocolTextCatalogue(), commandTextCatalogue(), controller::controllerTextCatalogue(),
                             cli::cliTextCatalogue(), exchangeTextCatalogue(), formCatalogue(), commandHelpCatalogue()})
        for (const text::CatalogueEntry &e : part)
            out[e.context + '/' + e.name] = e.chinese;
    return out;
}

bool hasChinese(std::u16string_view s)
{
    for (const char16_t c : s)
        if ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

}  // namespace

// Every fixed text of the form, its messages and its verdicts, as the window
// shows it in Chinese; and each has its English. (The message of a port that
// cannot be opened, "COM1不能用,请换到另一个串口。", is the Qt programs':
// test_serial_link has its row.)
TEST_CASE("the specified texts in Chinese, each with its English")
{
    struct Row {
        const char *key;
        const char16_t *chinese;
    };
    const Row rows[] = {
        {"FormCaption/Command2", u"初始化"},
        {"FormCaption/Label3", u"设备总数"},
        {"FormCaption/Command3", u"设置设备总数"},
        {"FormCaption/Label2_0", u"地址数"},
        {"FormCaption/Label4", u"直接写16进制不要空格"},
        {"FormCaption/Command4", u"设置地址"},
        {"FormCaption/Label5", u"设备端口数"},
        {"FormCaption/Command5", u"设置端口数"},
        {"FormCaption/Label6_0", u"设备描述"},
        {"FormCaption/Label2_1", u"地址"},
        {"FormCaption/Label2_2", u"描述"},
        {"FormCaption/Command6", u"设置设备描述"},
        {"FormCaption/Label2_6", u"内容"},
        {"FormCaption/Label6_1", u"端口描述"},
        {"FormCaption/Check1", u"Unicode"},
        {"FormCaption/Label2_3", u"地址"},
        {"FormCaption/Label2_4", u"端口"},
        {"FormCaption/Label2_5", u"描述"},
        {"FormCaption/Command1", u"端口描述设置"},
        {"FormCaption/Command8", u"设置短信中心号码"},
        {"FormCaption/Label7_0", u"设置第"},
        {"FormCaption/Label7_1", u"个电话"},
        {"FormCaption/Command9", u"设置短信接收电话号码"},
        {"FormCaption/Command10", u"设置轮巡设备短信发送开关"},
        {"FormCaption/Label7_2", u"设备轮训号"},
        {"FormCaption/Command11", u"设置探头短信发送开关"},
        {"FormCaption/Label7_3", u"探头号"},
        {"FormCaption/Check3", u"开关量"},
        {"FormCaption/Command12", u"设置探头类型"},
        {"FormCaption/Option1_0", u"低电平"},
        {"FormCaption/Option1_1", u"高电平"},
        {"FormCaption/Command13", u"设置探头告警上限"},
        {"FormCaption/Label8_0", u"年"},
        {"FormCaption/Label8_1", u"月"},
        {"FormCaption/Label8_2", u"日"},
        {"FormCaption/Label8_3", u"时"},
        {"FormCaption/Label8_4", u"分"},
        {"FormCaption/Command15", u"设置设备时间"},
        {"FormCaption/Label2_7", u"串口设置"},
        {"FormCaption/Command14", u"设置探头告警下限"},
        {"FormCaption/Command7", u"串口设置"},
        {"ProtocolText/Monday", u"星期一"},
        {"ProtocolText/Tuesday", u"星期二"},
        {"ProtocolText/Wednesday", u"星期三"},
        {"ProtocolText/Thursday", u"星期四"},
        {"ProtocolText/Friday", u"星期五"},
        {"ProtocolText/Saturday", u"星期六"},
        {"ProtocolText/Sunday", u"星期天"},
        {"CommandText/MissingDeviceDescription", u"地址或内容或描述"},
        {"CommandText/DeviceDescriptionTooLong", u"描述的文字超过8个汉字"},
        {"CommandText/MissingPortDescription", u"地址或端口或描述"},
        {"CommandText/PortDescriptionTooLong", u"描述的文字超过5个汉字"},
        {"CommandText/MissingSmsCentre", u"请输入短信中心号码"},
        {"CommandText/MissingRecipientPhone", u"请输入第几个电话或电话号码"},
        {"CommandText/TooManyPhones", u"最大只能设置16个电话号码"},
        {"CommandText/MissingPollingNumber", u"请输入设备轮训号"},
        {"CommandText/MissingProbeAddress", u"请输入设备轮训号或探头号"},
        {"CommandText/ChooseSwitchInput", u"请选择开关量"},
        {"CommandText/ChooseLevel", u"请选择高低电平"},
        {"ExchangeText/Accepted", u"设置成功"},
        {"ExchangeText/Refused", u"设置失败"},
        {"ExchangeText/NoResponse", u"设备无响应"},
        {"ExchangeText/PortUnusable", u"串口不可用，请重新设置"},
    };
    std::vector<std::pair<std::string, std::u16string>> all;
    for (const Row &row : rows)
        all.emplace_back(row.key, row.chinese);
    // The phone boxes: 电话01 to 电话16.
    for (int k = 0; k < 16; ++k)
        all.emplace_back("FormCaption/Check2_" + std::to_string(k),
                         u"电话" + std::u16string{char16_t(u'0' + (k + 1) / 10), char16_t(u'0' + (k + 1) % 10)});
    const std::map<std::string, std::u16string> chinese = chineseByKey();
    const Catalogue english = parseCatalogue(builtInCatalogue()).value();
    for (const auto &row : all) {
        const std::string &key = row.first;
        INFO(key);
        const auto found = chinese.find(key);
        REQUIRE(found != chinese.end());
        CHECK(found->second == row.second);
        const auto translated = english.find(key);
        REQUIRE(translated != english.end());
        CHECK(!translated->second.empty());
        CHECK(!hasChinese(translated->second));
    }
}

TEST_CASE("what the core shows follows the translator installed")
{
    const FormControl &title = formControls().front();
    CHECK(captionOf(title) == u"GSM短信报警控制器设置");
    CHECK(exchangeText(ExchangeText::Accepted) == u"设置成功");
    {
        const InEnglish english;
        CHECK(captionOf(title) == u"GSM SMS Alarm Controller Setup");
        CHECK(exchangeText(ExchangeText::Accepted) == u"Setting accepted");
        CHECK(weekdayNames().back() == u"Sunday");
        CHECK(commandText(CommandText::NumberRange, {u"Device count", u"0", u"255"})
              == u"Device count must be a number from 0 to 255");
    }
    CHECK(weekdayNames().back() == u"星期天");
}

TEST_CASE("the language of a locale, and of --lang")
{
    struct Row {
        const char *locale;
        Language language;
    };
    const Row locales[] = {
        {"zh_CN.UTF-8", Language::Chinese}, {"zh_TW", Language::Chinese},    {"zh", Language::Chinese},
        {"C", Language::Chinese},           {"C.UTF-8", Language::Chinese}, {"POSIX", Language::Chinese},
        {"", Language::Chinese},            {"en_US.UTF-8", Language::English}, {"en", Language::English},
        {"de_DE@euro", Language::English},  {"ja_JP.UTF-8", Language::English}, {"zhx_YZ", Language::English},
    };
    for (const Row &row : locales) {
        INFO(row.locale);
        CHECK(languageOfLocale(row.locale) == row.language);
    }
    CHECK(languageOfEnvironment(nullptr, nullptr, nullptr) == Language::Chinese);
    CHECK(languageOfEnvironment("en_US", "zh_CN", "zh_CN") == Language::English);
    CHECK(languageOfEnvironment("", "en_US", "zh_CN") == Language::English);
    CHECK(languageOfEnvironment(nullptr, "", "en_US") == Language::English);

    struct Named {
        const char16_t *name;
        std::optional<Language> language;
    };
    const Named names[] = {
        {u"zh", Language::Chinese}, {u"ZH", Language::Chinese},   {u"zh_CN", Language::Chinese},
        {u"en", Language::English}, {u"en-US", Language::English}, {u"fr", std::nullopt},
        {u"", std::nullopt},        {u"english", std::nullopt},   {u"\u017a\u0168", std::nullopt},
    };
    for (const Named &row : names) {
        INFO(text::toUtf8(row.name));
        CHECK(languageNamed(row.name) == row.language);
    }

    // Among the global options only: after the command it is the command's.
    CHECK(cli::languageOption({u"--dry-run", u"--port", u"--lang", u"--lang", u"en", u"init"}) == Language::English);
    CHECK(cli::languageOption({u"--lang", u"zh", u"--help"}) == Language::Chinese);
    CHECK(cli::languageOption({u"init", u"--lang", u"en"}) == std::nullopt);
    CHECK(cli::languageOption({u"--lang", u"fr", u"init"}) == std::nullopt);
}

// The clock row shows the weekdays in the language chosen; a profile keeps
// the Chinese names, which every language takes.
TEST_CASE("weekday names in English")
{
    const CommandEntry &clock = *findCommandByCliName(u"clock");
    const auto build = [&](std::u16string weekday) {
        ControlValues v;
        for (const auto &[box, value] : {std::pair{u"Combo2", u"26"}, {u"Combo3", u"12"}, {u"Combo4", u"05"},
                                         {u"Combo5", u"23"}, {u"Combo6", u"42"}})
            v.texts[box] = value;
        v.texts[u"Combo7"] = std::move(weekday);
        return v;
    };
    CHECK(!clock.build(build(u"Saturday")).hasFrame());
    const InEnglish english;
    for (const char16_t *weekday : {u"Saturday", u"saturday", u"星期六"}) {
        INFO(text::toUtf8(weekday));
        const BuildResult result = clock.build(build(weekday));
        REQUIRE(result.hasFrame());
        CHECK(result.frame().toHex() == u"7E FE 0D 00 52 26 12 05 23 42 06 07 16");
        CHECK(requestWords(clock, build(weekday)).back() == u"星期六");
    }
    CHECK(!clock.build(build(u"Sat")).hasFrame());
}
