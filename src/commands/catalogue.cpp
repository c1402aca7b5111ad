#include "commands/catalogue.h"

#include <nlohmann/json.hpp>

namespace smscfg {

std::optional<Catalogue> parseCatalogue(std::string_view json)
{
    const nlohmann::json parsed = nlohmann::json::parse(json, nullptr, false);
    if (!parsed.is_object())
        return std::nullopt;
    Catalogue catalogue;
    for (const auto &[key, words] : parsed.items()) {
        if (!words.is_string())
            return std::nullopt;
        catalogue.emplace(key, text::fromUtf8(words.get<std::string>()));
    }
    return catalogue;
}

text::Translator catalogueTranslator(Catalogue catalogue)
{
    return [catalogue = std::move(catalogue)](std::string_view context, std::string_view name, std::u16string_view) {
        std::string key;
        key.reserve(context.size() + 1 + name.size());
        key.append(context).append(1, '/').append(name);
        const auto found = catalogue.find(key);
        return found == catalogue.end() ? std::u16string() : found->second;
    };
}

}  // namespace smscfg
