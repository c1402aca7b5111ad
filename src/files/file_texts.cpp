#include "files/file_texts.h"

namespace smscfg {
namespace {

#define TEXT(key, chinese) {FileText::key, #key, chinese}
constexpr text::KeyedText<FileText> entries[] = {
    TEXT(ByteCount, u"%1 字节"),
    TEXT(NotRegular, u"不是普通文件"),
    TEXT(TooLarge, u"文件太大（超过 %1）"),
    TEXT(NotFound, u"文件或文件夹不存在"),
    TEXT(NoPermission, u"没有权限"),
    TEXT(DiskFull, u"磁盘空间已满"),
    TEXT(OverQuota, u"超出了磁盘配额"),
    TEXT(ReadOnly, u"文件系统是只读的"),
    TEXT(TooBigForSystem, u"文件超过了系统允许的大小"),
    TEXT(IsFolder, u"这是一个文件夹"),
    TEXT(NotFolder, u"路径中有一段不是文件夹"),
    TEXT(NameTooLong, u"文件名太长"),
    TEXT(TooManyLinks, u"符号链接太多"),
    TEXT(DiskError, u"读写磁盘出错"),
    TEXT(TooManyOpen, u"打开的文件太多"),
    TEXT(InUse, u"文件正被使用"),
    TEXT(OtherError, u"%1（错误 %2）"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string fileText(FileText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("FileText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> fileTextCatalogue()
{
    return text::catalogueOf("FileText", entries);
}

}  // namespace smscfg
