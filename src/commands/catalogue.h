#pragma once

#include "protocol/text_table.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

// Another language's words for the core's texts, as the build exports them
// from translations/smscfg_<language>.ts for programs without Qt (the browser
// page, the WebAssembly dry run): a JSON object of "Table/Key": "words".
namespace smscfg {

using Catalogue = std::map<std::string, std::u16string, std::less<>>;

// The English catalogue compiled into a program (smscfg_built_in_catalogue).
std::string_view builtInCatalogue();

// nullopt for a text that is not such an object.
std::optional<Catalogue> parseCatalogue(std::string_view json);

// A translator that takes the words from `catalogue`; a text it lacks stays
// Chinese.
text::Translator catalogueTranslator(Catalogue catalogue);

}  // namespace smscfg
