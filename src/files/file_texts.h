#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every reason the files library gives, by key, with its arguments (%1, %2...)
// filled in by position: the one place to give them in another language.
namespace smscfg {

enum class FileText {
    ByteCount,
    NotRegular,
    TooLarge,
    NotFound,
    NoPermission,
    DiskFull,
    OverQuota,
    ReadOnly,
    TooBigForSystem,
    IsFolder,
    NotFolder,
    NameTooLong,
    TooManyLinks,
    DiskError,
    TooManyOpen,
    InUse,
    OtherError,
    Count
};

std::u16string fileText(FileText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> fileTextCatalogue();

}  // namespace smscfg
