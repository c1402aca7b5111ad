#include "protocol/text_table.h"

namespace smscfg::text {
namespace {

Translator &installed()
{
    static Translator translator;
    return translator;
}

}  // namespace

void setTranslator(Translator translator)
{
    installed() = std::move(translator);
}

std::u16string translate(std::string_view context, std::string_view name, std::u16string_view chinese)
{
    if (const Translator &translator = installed()) {
        std::u16string words = translator(context, name, chinese);
        if (!words.empty())
            return words;
    }
    return std::u16string(chinese);
}

}  // namespace smscfg::text
