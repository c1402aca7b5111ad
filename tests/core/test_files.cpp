#include "files/files.h"

#include <doctest/doctest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace smscfg;

namespace {

// A folder of its own under /tmp, removed with what is in it.
struct Scratch {
    Scratch()
    {
        char name[] = "/tmp/smscfg-files-XXXXXX";
        REQUIRE(::mkdtemp(name));
        path = name;
    }
    ~Scratch() { std::filesystem::remove_all(path); }
    std::string operator/(const char *name) const { return path + '/' + name; }
    std::string path;
};

std::string contentOf(const std::string &path)
{
    const auto read = readRegularFile(path, 1024);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "(unreadable)";
}

unsigned modeOf(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? unsigned(st.st_mode) : 0;
}

}  // namespace

TEST_CASE("a file written over keeps what it was")
{
    const Scratch dir;
    const mode_t oldMask = ::umask(022);
    // A profile only its owner may read stays so.
    const std::string own = dir / "own.json";
    const int fd = ::open(own.c_str(), O_WRONLY | O_CREAT, 0600);
    REQUIRE(fd >= 0);
    ::close(fd);
    CHECK_FALSE(writeFileAtomically(own, "new"));
    CHECK(contentOf(own) == "new");
    CHECK((modeOf(own) & 07777) == 0600);
    // A new file gets the usual mode.
    CHECK_FALSE(writeFileAtomically(dir / "fresh.json", "x"));
    CHECK((modeOf(dir / "fresh.json") & 07777) == 0644);
    // Saved over a link, the link stays and leads to the new bytes.
    REQUIRE(::symlink("own.json", (dir / "link.json").c_str()) == 0);
    CHECK_FALSE(writeFileAtomically(dir / "link.json", "through"));
    CHECK(S_ISLNK(modeOf(dir / "link.json")));
    CHECK(contentOf(own) == "through");
    ::umask(oldMask);
}

TEST_CASE("what is read, and what is not")
{
    const Scratch dir;
    REQUIRE_FALSE(writeFileAtomically(dir / "ten", "0123456789"));
    CHECK(std::get<std::string>(readRegularFile(dir / "ten", 10)) == "0123456789");
    const auto over = readRegularFile(dir / "ten", 9);
    REQUIRE(std::holds_alternative<FileProblem>(over));
    CHECK(std::get<FileProblem>(over).kind == FileProblem::Kind::TooLarge);
    const auto folder = readRegularFile(dir.path, 10);
    REQUIRE(std::holds_alternative<FileProblem>(folder));
    CHECK(std::get<FileProblem>(folder).kind == FileProblem::Kind::NotRegular);
    // Nothing replaces a folder.
    const auto problem = writeFileAtomically(dir.path, "x");
    REQUIRE(problem);
    CHECK(problem->kind == FileProblem::Kind::NotRegular);
}
