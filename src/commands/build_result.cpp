#include "commands/build_result.h"

#include "commands/command_texts.h"
#include "protocol/text.h"

namespace smscfg {

std::u16string numberRangeRefusal(std::u16string_view boxName, int low, int high)
{
    return commandText(CommandText::NumberRange, {boxName, text::number(low), text::number(high)});
}

std::u16string hexPairsRefusal(std::u16string_view boxName)
{
    return commandText(CommandText::HexPairs, {boxName});
}

}  // namespace smscfg
