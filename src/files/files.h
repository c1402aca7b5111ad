#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Reading and writing the files the programs are pointed at (profiles,
// settings, state, saved logs) so that no path can hang them, exhaust their
// memory or leave a file half written. Paths are the system's bytes.
namespace smscfg {

// Why a file could not be read or written.
struct FileProblem {
    enum class Kind {
        System,      // the system refused: `code` says why
        NotRegular,  // a FIFO, a device, a folder: not read, not replaced
        TooLarge,    // more than `limit` bytes
    };
    Kind kind = Kind::System;
    int code = 0;         // errno, for System
    long long limit = 0;  // for TooLarge
};

// The whole of the regular file at `path`, at most `maxBytes` of it. The file
// is opened without blocking and without becoming a controlling terminal, so
// a FIFO or a device is refused before anything waits on it.
std::variant<std::string, FileProblem> readRegularFile(const std::string &path, long long maxBytes);

// The same, from a descriptor already open on the file (from its start).
std::variant<std::string, FileProblem> readRegularFile(int fd, long long maxBytes);

// Replaces the file at `path` with `bytes` in one step: they go into a
// temporary file beside it, which is flushed to the disk and renamed over
// it, so that a full disk or a crash leaves the old file whole. A new file
// gets the usual mode, an old one keeps its own; saved over a link, the file
// it leads to is replaced. Something at `path` that is not a regular file is
// left alone (NotRegular). nullopt when written.
std::optional<FileProblem> writeFileAtomically(const std::string &path, std::string_view bytes);

// The problem in a few words of Chinese, for the operator: "磁盘空间已满",
// "不是普通文件", "文件太大（超过 1 MB）"; the system's own words where no
// Chinese is at hand.
std::u16string fileProblemText(const FileProblem &problem);

}  // namespace smscfg
