#pragma once

#include "protocol/text.h"

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The core's texts by key. Each library keeps one table of the texts it
// makes: a key, the key's name and the Chinese. The table's name and the
// key's name are the text's language-neutral key in every catalogue
// ("ProtocolText/BrokenFrame"); the Chinese is the source text, shown when
// no other language is installed. A program that speaks another language
// installs a translator, and every table asks it.
namespace smscfg::text {

template <typename Key>
struct KeyedText {
    Key key;
    const char *name;
    std::u16string_view chinese;
};

// A text as the catalogues list it.
struct CatalogueEntry {
    std::string context;  // the table: "ProtocolText"
    std::string name;     // the key: "BrokenFrame"
    std::u16string chinese;
};

// The words of a text in the language chosen, from its table's name, its
// key's name and its Chinese; an empty answer stands for the Chinese.
using Translator =
    std::function<std::u16string(std::string_view context, std::string_view name, std::u16string_view chinese)>;

// Installs the translator every table asks; none: Chinese. Programs install
// it once at start, before they make any text or start a thread.
void setTranslator(Translator translator);

// The words for a text: the translator's, or the Chinese.
std::u16string translate(std::string_view context, std::string_view name, std::u16string_view chinese);

// A table has one entry per key, in the order of the keys.
template <typename Key, std::size_t N>
constexpr bool inKeyOrder(const KeyedText<Key> (&entries)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (entries[i].key != Key(i))
            return false;
    return N == std::size_t(Key::Count);
}

// Entry `key` of a table in the language chosen, its %1.. filled.
template <typename Key, std::size_t N>
std::u16string tableText(std::string_view context, const KeyedText<Key> (&entries)[N], Key key,
                         std::initializer_list<std::u16string_view> arguments)
{
    const KeyedText<Key> &entry = entries[std::size_t(key)];
    return fill(translate(context, entry.name, entry.chinese), arguments);
}

template <typename Key, std::size_t N>
std::vector<CatalogueEntry> catalogueOf(std::string_view context, const KeyedText<Key> (&entries)[N])
{
    std::vector<CatalogueEntry> out;
    for (const KeyedText<Key> &entry : entries)
        out.push_back({std::string(context), entry.name, std::u16string(entry.chinese)});
    return out;
}

}  // namespace smscfg::text
