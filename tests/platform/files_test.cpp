#include "platform/files.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace nk {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

mode_t modeOf(const fs::path& p) {
    struct stat st{};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Runs `f` with the file rights of an ordinary user: permission bits refuse
// the superuser nothing, and the tests may run as the superuser.
template <class F>
auto asOrdinaryUser(F f) {
    const bool root = ::geteuid() == 0;
    if (root) ::setfsuid(65534);
    auto r = f();
    if (root) ::setfsuid(0);
    return r;
}

// Runs `f` in a child process as another user of the machine, with the
// groups given; the child's status is what `f` returns (an error number).
int asUser(uid_t uid, gid_t gid, std::vector<gid_t> groups, const std::function<int()>& f) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            ::_exit(255);
        ::_exit(f());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::pair<uid_t, gid_t> ownersOf(const fs::path& p) {
    struct stat st{};
    ::stat(p.c_str(), &st);
    return {st.st_uid, st.st_gid};
}

// A save in a child process, stopped while it writes its temporary; `pid`
// is -1 if none could be caught.
struct StoppedSave {
    pid_t pid = -1;
    fs::path temporary;
};

StoppedSave stopASaveOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    const auto temporaries = [&] {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().extension() == ".tmp" && e.path().filename().string().front() == '.') found.push_back(e.path());
        return found;
    };
    const std::vector<fs::path> before = temporaries();
    // Large enough that writing it leaves the temporary there for a while.
    const std::string bytes(std::size_t(16) << 20, 'x');
    for (int attempt = 0; attempt < 20; ++attempt) {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(replaceFile(file, bytes).error);
        while (::waitpid(child, nullptr, WNOHANG) == 0) {
            for (const fs::path& t : temporaries()) {
                std::error_code e;
                if (std::find(before.begin(), before.end(), t) != before.end() || fs::file_size(t, e) == 0) continue;
                ::kill(child, SIGSTOP);
                if (fs::exists(t)) return {child, t};
                ::kill(child, SIGCONT);
            }
        }
    }
    return {};
}

// Lets a stopped save go on; its status is the save's error number.
int finish(const StoppedSave& s) {
    ::kill(s.pid, SIGCONT);
    int status = 0;
    if (::waitpid(s.pid, &status, 0) != s.pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool validUtf8(const std::string& t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > t.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/nk-files-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
        fs::permissions(dir, fs::perms(0755));  // an ordinary user may look in
    }
    void TearDown() override {
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (e.symlink_status().type() == fs::file_type::directory) fs::permissions(e.path(), fs::perms(0755));
        fs::remove_all(dir);
    }
    // Temporaries the save left in a folder.
    static int leftovers(const fs::path& folder) {
        int n = 0;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().extension() == ".tmp" && e.path().filename().string().front() == '.') ++n;
        return n;
    }
    fs::path dir;
};

struct Case {
    const char* what;
    std::function<fs::path(const fs::path& dir)> arrange;  // the path to use
    bool ordinaryUser;
    int error;
    const char* reason;
};

TEST_F(Files, ReadingTellsEachFailureByItsOwnNumber) {
    const Case cases[] = {
        {"a file", [](const fs::path& d) { put(d / "f", "1,2\r\n"); return d / "f"; }, false, 0, ""},
        {"a link to a file",
         [](const fs::path& d) {
             put(d / "f", "1,2\r\n");
             fs::create_symlink("f", d / "l");
             return d / "l";
         },
         false, 0, ""},
        {"a missing file", [](const fs::path& d) { return d / "nincs"; }, false, kFileNotFound, "no such file"},
        {"a link to nothing",
         [](const fs::path& d) {
             fs::create_symlink("nincs", d / "l");
             return d / "l";
         },
         false, kFileNotFound, "no such file"},
        {"a missing folder", [](const fs::path& d) { return d / "nincs" / "f"; }, false, kPathNotFound, "no such folder"},
        {"a file as folder",
         [](const fs::path& d) {
             put(d / "f", "");
             return d / "f" / "g";
         },
         false, kPathNotFound, "not a folder"},
        {"a folder",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             return d / "sub";
         },
         false, kPathFileAccess, "is a folder"},
        {"a pipe",
         [](const fs::path& d) {
             ::mkfifo((d / "p").c_str(), 0644);
             return d / "p";
         },
         false, kPathFileAccess, "is a pipe"},
        {"a device", [](const fs::path&) { return fs::path("/dev/null"); }, false, kPathFileAccess, "is a device"},
        {"an unreadable file",
         [](const fs::path& d) {
             put(d / "f", "1");
             fs::permissions(d / "f", fs::perms(0200));
             return d / "f";
         },
         true, kPermissionDenied, "permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const fs::path p = c.arrange(dir);
        std::string bytes = "earlier";
        const FileOutcome r = c.ordinaryUser ? asOrdinaryUser([&] { return readWholeFile(p, bytes); })
                                             : readWholeFile(p, bytes);
        EXPECT_EQ(r.error, c.error);
        EXPECT_NE(r.reason.find(c.reason), std::string::npos) << r.reason;
        EXPECT_EQ(bytes, r.ok() ? "1,2\r\n" : "earlier");
    }
}

// A file of many gigabytes would take all memory and minutes before the
// reader could say it is no settings file.
TEST_F(Files, AFileBeyondTheLargestSettingsFileIsRefusedUnread) {
    const auto sized = [&](const char* name, std::uintmax_t size) {
        put(dir / name, "");
        fs::resize_file(dir / name, size);  // sparse: nothing to write
        return dir / name;
    };
    std::string bytes = "earlier";
    const FileOutcome at = readWholeFile(sized("at", kLargestSettingsFile), bytes);
    EXPECT_TRUE(at.ok()) << at.reason;
    EXPECT_EQ(bytes.size(), kLargestSettingsFile);

    bytes = "earlier";
    const FileOutcome beyond = readWholeFile(sized("beyond", kLargestSettingsFile + 1), bytes);
    EXPECT_EQ(beyond.error, kPathFileAccess);
    EXPECT_EQ(beyond.reason, "too large for a settings file");
    EXPECT_TRUE(bytes == "earlier");  // not 16 MiB in the failure's text
}

// A file whose size the system does not tell (it says 0) is read no further
// than the bound either.
TEST_F(Files, AFileLongerThanItsSizeSaysIsReadNoFurtherThanTheBound) {
    const char* const endless = "/proc/self/pagemap";
    struct stat st{};
    if (::stat(endless, &st) != 0 || st.st_size != 0) GTEST_SKIP() << endless << " is not here as a file of size 0";
    std::string bytes = "earlier";
    const FileOutcome r = readWholeFile(endless, bytes);
    EXPECT_EQ(r.error, kPathFileAccess);
    EXPECT_EQ(r.reason, "too large for a settings file");
    EXPECT_TRUE(bytes == "earlier");
}

// What the reader would refuse is not written: the old file stays.
TEST_F(Files, MoreThanTheLargestSettingsFileIsNotSaved) {
    put(dir / "f", "earlier");
    const FileOutcome r = replaceFile(dir / "f", std::string(kLargestSettingsFile + 1, 'x'));
    EXPECT_EQ(r.error, kPathFileAccess);
    EXPECT_EQ(contents(dir / "f"), "earlier");
    EXPECT_TRUE(replaceFile(dir / "f", std::string(kLargestSettingsFile, 'x')).ok());
}

// Whatever stands at the name a temporary draws, the save draws another.
TEST_F(Files, ASaveDrawsAnotherNameWhereOneIsTaken) {
    constexpr std::uint32_t kSeed = 20261211;
    std::mt19937 draw(kSeed);
    char first[16];
    std::snprintf(first, sizeof first, "%06lx.tmp", static_cast<unsigned long>(draw() & 0xffffffu));
    const fs::path taken = dir / (std::string(".f.") + first);
    fs::create_directories(taken / "inside");
    put(dir / "f", "earlier");
    const FileOutcome r = replaceFile(dir / "f", "1", kSeed);
    EXPECT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(contents(dir / "f"), "1");
    EXPECT_TRUE(fs::is_directory(taken / "inside"));
}

TEST_F(Files, SavingTellsEachFailureByItsOwnNumberAndKeepsWhatWasThere) {
    const std::string earlier = "a designer's earlier work\r\n";
    const Case cases[] = {
        {"a new file", [](const fs::path& d) { return d / "uj"; }, false, 0, ""},
        {"a file of the owner only",
         [&](const fs::path& d) {
             put(d / "f", earlier);
             fs::permissions(d / "f", fs::perms(0600));
             return d / "f";
         },
         false, 0, ""},
        {"a read-only file",
         [&](const fs::path& d) {
             put(d / "f", earlier);
             fs::permissions(d / "f", fs::perms(0444));
             return d / "f";
         },
         false, kPermissionDenied, "read-only"},
        {"a file not ours to write",
         [&](const fs::path& d) {
             put(d / "f", earlier);
             fs::permissions(d / "f", fs::perms(0644));
             return d / "f";
         },
         true, kPermissionDenied, "permission denied"},
        {"a file in a read-only folder",
         [&](const fs::path& d) {
             fs::create_directory(d / "ro");
             put(d / "ro" / "f", earlier);
             fs::permissions(d / "ro" / "f", fs::perms(0666));
             fs::permissions(d / "ro", fs::perms(0555));
             return d / "ro" / "f";
         },
         true, kPermissionDenied, "permission denied"},
        {"a missing folder", [](const fs::path& d) { return d / "nincs" / "f"; }, false, kPathNotFound, "no such folder"},
        {"a file as folder",
         [&](const fs::path& d) {
             put(d / "f", earlier);
             return d / "f" / "g";
         },
         false, kPathNotFound, "not a folder"},
        {"a folder",
         [&](const fs::path& d) {
             fs::create_directory(d / "sub");
             put(d / "sub" / "f", earlier);
             return d / "sub";
         },
         false, kPathFileAccess, "is a folder"},
        {"a folder named with a slash",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             return fs::path((d / "sub").string() + "/");
         },
         false, kPathFileAccess, "is a folder"},
        {"a pipe",
         [](const fs::path& d) {
             ::mkfifo((d / "p").c_str(), 0666);
             return d / "p";
         },
         false, kPathFileAccess, "is a pipe"},
        {"a device", [](const fs::path&) { return fs::path("/dev/null"); }, false, kPathFileAccess, "is a device"},
    };
    const std::string bytes = "1,2\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const fs::path p = c.arrange(dir);
        const bool wasFile = fs::is_regular_file(p);
        const mode_t mode = modeOf(p);
        const FileOutcome r =
            c.ordinaryUser ? asOrdinaryUser([&] { return replaceFile(p, bytes); }) : replaceFile(p, bytes);
        EXPECT_EQ(r.error, c.error);
        EXPECT_NE(r.reason.find(c.reason), std::string::npos) << r.reason;
        if (r.ok()) {
            EXPECT_EQ(contents(p), bytes);
        } else if (wasFile) {
            EXPECT_EQ(contents(p), earlier);
        }
        if (wasFile) {
            EXPECT_EQ(modeOf(p), mode);
        }
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            if (e.is_directory()) {
                EXPECT_EQ(leftovers(e.path()), 0) << e.path();
            }
        }
        EXPECT_EQ(leftovers(dir), 0);
    }
}

// Whatever the path goes through, one cause is told by one number whether
// the file is opened or saved.
TEST_F(Files, OneCauseHasOneNumberForReadingAndSaving) {
    const struct {
        const char* what;
        std::function<fs::path(const fs::path& dir)> arrange;
        int error;
    } cases[] = {
        {"a missing folder", [](const fs::path& d) { return d / "nincs" / "f"; }, kPathNotFound},
        {"a link into a missing folder",
         [](const fs::path& d) {
             fs::create_symlink("nincs/f", d / "l");
             return d / "l";
         },
         kPathNotFound},
        {"a link to a link into a missing folder",
         [](const fs::path& d) {
             fs::create_symlink(d / "nincs" / "f", d / "l1");
             fs::create_symlink("l1", d / "l2");
             return d / "l2";
         },
         kPathNotFound},
        {"a link in a folder pointing up into a missing one",
         [](const fs::path& d) {
             fs::create_directory(d / "sub");
             fs::create_symlink("../nincs/f", d / "sub" / "l");
             return d / "sub" / "l";
         },
         kPathNotFound},
        {"a link through a file",
         [](const fs::path& d) {
             put(d / "f", "");
             fs::create_symlink("f/g", d / "l");
             return d / "l";
         },
         kPathNotFound},
        {"a link loop",
         [](const fs::path& d) {
             fs::create_symlink("l", d / "l");
             return d / "l";
         },
         kPathNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const fs::path p = c.arrange(dir);
        std::string bytes;
        EXPECT_EQ(readWholeFile(p, bytes).error, c.error);
        EXPECT_EQ(replaceFile(p, "1").error, c.error);
    }
}

TEST_F(Files, SavingLeavesWhatStandsBesideTheFile) {
    // Names near those of the file's temporaries, and another file's
    // temporary, that no save holds.
    const char* const files[] = {"f.tmp",           ".f.12345.tmp",     ".f.1234567.tmp", ".f.12345g.tmp",
                                 ".f.ABCDEF.tmp",   "f.123456.tmp",     ".f.123456.tmp~", ".f.123456.txt",
                                 ".ff.123456.tmp",  ".g.123456.tmp",    ".f123456.tmp"};
    for (const char* name : files) put(dir / name, "someone else's");
    fs::create_directories(dir / ".f.tmp" / "full");
    // A folder and a link at names a temporary of the file could take.
    fs::create_directories(dir / ".f.000000.tmp" / "full");
    put(dir / "cel", "someone else's");
    fs::create_symlink("cel", dir / ".f.abcdef.tmp");
    ASSERT_EQ(::mkfifo((dir / ".f.123abc.tmp").c_str(), 0600), 0);

    ASSERT_TRUE(replaceFile(dir / "f", "1").ok());
    for (const char* name : files) EXPECT_EQ(contents(dir / name), "someone else's") << name;
    EXPECT_TRUE(fs::is_directory(dir / ".f.tmp" / "full"));
    EXPECT_TRUE(fs::is_directory(dir / ".f.000000.tmp" / "full"));
    EXPECT_TRUE(fs::is_symlink(dir / ".f.abcdef.tmp"));
    EXPECT_EQ(contents(dir / "cel"), "someone else's");
    EXPECT_TRUE(fs::is_fifo(dir / ".f.123abc.tmp"));
}

// Saves killed half-way leave their temporaries; the next save of the file
// removes them, but not the temporary of a save still at work.
TEST_F(Files, ASaveRemovesWhatDeadSavesOfTheFileLeft) {
    const fs::path f = dir / "p.nks";
    put(f, "earlier");
    std::vector<fs::path> dead;
    for (int i = 0; i < 2; ++i) {
        const StoppedSave killed = stopASaveOf(f);
        ASSERT_NE(killed.pid, -1) << "no save caught while writing";
        ::kill(killed.pid, SIGKILL);
        ::waitpid(killed.pid, nullptr, 0);
        dead.push_back(killed.temporary);
    }
    put(dir / ".p.nks.0a1b2c.tmp", "");  // killed before it wrote
    dead.push_back(dir / ".p.nks.0a1b2c.tmp");
    const StoppedSave live = stopASaveOf(f);
    ASSERT_NE(live.pid, -1) << "no save caught while writing";

    const FileOutcome r = replaceFile(f, "1,2");
    EXPECT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(contents(f), "1,2");
    for (const fs::path& t : dead) EXPECT_FALSE(fs::exists(t)) << t;
    EXPECT_TRUE(fs::exists(live.temporary));
    // The save at work ends as it would have.
    EXPECT_EQ(finish(live), 0);
    EXPECT_EQ(fs::file_size(f), std::uintmax_t(16) << 20);
    EXPECT_EQ(leftovers(dir), 0);
}

// Any user who may read a folder may lock it, and for as long as he likes:
// a save waits a moment at most, and the dead temporaries stay for a later
// save.
TEST_F(Files, ASaveCompletesWhileAnotherProcessHoldsTheFolderLocked) {
    const fs::path f = dir / "p.nks";
    put(f, "earlier");
    put(dir / ".p.nks.0a1b2c.tmp", "");  // a dead save's
    const int locker = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(locker, LOCK_EX), 0);

    std::promise<FileOutcome> done;
    std::future<FileOutcome> saved = done.get_future();
    std::thread save([&] { done.set_value(replaceFile(f, "1,2")); });
    const bool completed = saved.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    // Let a save that waits for the lock go on, so that the test ends.
    ::close(locker);
    save.join();
    ASSERT_TRUE(completed) << "the save waited for the folder's lock";
    const FileOutcome r = saved.get();
    EXPECT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(contents(f), "1,2");
    EXPECT_TRUE(fs::exists(dir / ".p.nks.0a1b2c.tmp"));
    EXPECT_EQ(leftovers(dir), 1);
}

// What may come between the creation of a save's temporary and its lock:
// a removal of dead temporaries that takes it, or another process that
// locks it and holds it. The save draws another name, and the temporary it
// lost is not left behind.
TEST_F(Files, ASaveGoesOnWithAnotherTemporaryWhereItsOwnIsTakenOrHeld) {
    enum class Comes { Removal, Holder };
    const struct {
        const char* what;
        Comes comes;
        int times;         // on the first names drawn
        int error;
        int namesDrawn;
    } cases[] = {
        {"a removal", Comes::Removal, 1, 0, 2},
        {"a process that holds it", Comes::Holder, 1, 0, 2},
        {"a process that holds every one", Comes::Holder, 1000, kPermissionDenied, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path f = dir / "p.nks";
        put(f, "earlier");
        std::vector<int> held;
        int drawn = 0;
        const auto between = [&](const std::string& temporary) {
            if (drawn++ >= c.times) return;
            if (c.comes == Comes::Removal) {
                ::unlink(temporary.c_str());
            } else {
                held.push_back(::open(temporary.c_str(), O_RDONLY | O_CLOEXEC));
                ::flock(held.back(), LOCK_SH);
            }
        };
        const FileOutcome r = replaceFile(f, "1,2", std::nullopt, between);
        for (const int fd : held) ::close(fd);
        EXPECT_EQ(r.error, c.error) << r.reason;
        EXPECT_EQ(contents(f), c.error == 0 ? "1,2" : "earlier");
        if (c.namesDrawn > 0) {
            EXPECT_EQ(drawn, c.namesDrawn);
        }
        EXPECT_EQ(leftovers(dir), 0);
    }
}

// Two users of a design office share a folder through group 2000; a save
// by either, or by the superuser, must leave the file to the other.
TEST_F(Files, ASaveKeepsTheOwnerAndGroupWhereTheSaverMaySetThem) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other users need the superuser to arrange";
    const fs::path shared = dir / "kozos";
    fs::create_directory(shared);
    ASSERT_EQ(::chown(shared.c_str(), 0, 2000), 0);
    fs::permissions(shared, fs::perms(0775));
    const fs::path f = shared / "terv.nks";
    put(f, "earlier");
    ASSERT_EQ(::chown(f.c_str(), 1001, 2000), 0);
    fs::permissions(f, fs::perms(0664));
    const auto save = [&](const char* bytes) { return [&f, bytes] { return replaceFile(f, bytes).error; }; };

    // The superuser keeps both.
    ASSERT_TRUE(replaceFile(f, "superuser").ok());
    EXPECT_EQ(ownersOf(f), (std::pair<uid_t, gid_t>(1001, 2000)));
    // A member of the group keeps the group: the owner may save it again,
    // and then owns it.
    EXPECT_EQ(asUser(1002, 1002, {2000}, save("1002")), 0);
    EXPECT_EQ(ownersOf(f), (std::pair<uid_t, gid_t>(1002, 2000)));
    EXPECT_EQ(asUser(1001, 1001, {2000}, save("1001")), 0);
    EXPECT_EQ(ownersOf(f), (std::pair<uid_t, gid_t>(1001, 2000)));
    EXPECT_EQ(contents(f), "1001");
    EXPECT_EQ(modeOf(f), mode_t(0664));
    EXPECT_EQ(leftovers(shared), 0);
    // A member of the group keeps the set-group-id bit, which writing a
    // file clears for anyone but the superuser.
    fs::permissions(f, fs::perms(02775));
    EXPECT_EQ(asUser(1002, 1002, {2000}, save("1002")), 0);
    EXPECT_EQ(ownersOf(f), (std::pair<uid_t, gid_t>(1002, 2000)));
    EXPECT_EQ(modeOf(f), mode_t(02775));

    // Where the saver may set neither, the save is made all the same.
    const fs::path open = dir / "nyitott";
    fs::create_directory(open);
    fs::permissions(open, fs::perms(0777));
    put(open / "f", "earlier");
    ASSERT_EQ(::chown((open / "f").c_str(), 1001, 2000), 0);
    fs::permissions(open / "f", fs::perms(0666));
    EXPECT_EQ(asUser(1003, 1003, {}, [&] { return replaceFile(open / "f", "1003").error; }), 0);
    EXPECT_EQ(ownersOf(open / "f"), (std::pair<uid_t, gid_t>(1003, 1003)));
    EXPECT_EQ(contents(open / "f"), "1003");
    EXPECT_EQ(modeOf(open / "f"), mode_t(0666));
}

// About 120 accented letters make a name of 240 bytes; the longest a folder
// takes is 255.
TEST_F(Files, AnyNameTheFolderTakesCanBeSaved) {
    const auto repeated = [](const char* head, const char* letter, int n) {
        std::string t = head;
        for (int i = 0; i < n; ++i) t += letter;
        return t;
    };
    for (const std::string& name : {repeated("ab", "é", 121), repeated("", "á", 125), repeated("a", "ő", 127)}) {
        SCOPED_TRACE(name.size());
        const FileOutcome r = replaceFile(dir / name, "1,2");
        EXPECT_TRUE(r.ok()) << r.reason;
        EXPECT_EQ(contents(dir / name), "1,2");
        EXPECT_EQ(leftovers(dir), 0);
    }

    // The temporary's name, shortened to fit, is still a name of whole
    // letters (this one would be cut inside an "é").
    const StoppedSave save = stopASaveOf(dir / repeated("ab", "é", 121));
    ASSERT_NE(save.pid, -1) << "no save caught while writing";
    const std::string temporary = save.temporary.filename().string();
    EXPECT_LE(temporary.size(), 255u);
    EXPECT_TRUE(validUtf8(temporary)) << temporary;
    EXPECT_EQ(finish(save), 0);
}

TEST_F(Files, ANewFileGetsTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    const FileOutcome r = replaceFile(dir / "uj", "1");
    ::umask(mask);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(modeOf(dir / "uj"), mode_t(0644));
}

TEST_F(Files, SavingThroughALinkReplacesItsFileAndKeepsTheLink) {
    fs::create_directory(dir / "valodi");
    put(dir / "valodi" / "f", "earlier");
    fs::permissions(dir / "valodi" / "f", fs::perms(0640));
    fs::create_symlink("valodi/f", dir / "l1");
    fs::create_symlink(dir / "l1", dir / "l2");  // a link to a link
    ASSERT_TRUE(replaceFile(dir / "l2", "1,2").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "l2"));
    EXPECT_TRUE(fs::is_symlink(dir / "l1"));
    EXPECT_EQ(contents(dir / "valodi" / "f"), "1,2");
    EXPECT_EQ(modeOf(dir / "valodi" / "f"), mode_t(0640));
    EXPECT_EQ(leftovers(dir / "valodi"), 0);

    fs::create_symlink("l3", dir / "l3");  // a loop
    EXPECT_EQ(replaceFile(dir / "l3", "1").error, kPathNotFound);
}

TEST_F(Files, ASaveOntoAFullDeviceKeepsTheOldFile) {
    const fs::path device = dir / "kicsi";
    fs::create_directory(device);
    if (::mount("tmpfs", device.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small device to fill: mount: " << std::strerror(errno);
    const struct Unmount {
        const fs::path& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{device};
    put(device / "f", "earlier");
    // Every block left is taken.
    {
        const int fill = ::open((device / "toltelek").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fill, 0);
        const std::string block(4096, 'x');
        while (::write(fill, block.data(), block.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        ::close(fill);
    }
    const FileOutcome r = replaceFile(device / "f", std::string(8192, 'x'));
    EXPECT_EQ(r.error, kDiskFull);
    EXPECT_EQ(r.reason, "no space left on the device");
    EXPECT_EQ(contents(device / "f"), "earlier");
    EXPECT_EQ(leftovers(device), 0);
}

TEST_F(Files, ASaveBeyondTheFileSizeLimitKeepsTheOldFile) {
    put(dir / "f", "earlier");
    // The process may write no more than 4 KiB to a file.
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileOutcome r = replaceFile(dir / "f", std::string(8192, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(r.error, kDiskFull);
    EXPECT_EQ(r.reason, "file too large");
    EXPECT_EQ(contents(dir / "f"), "earlier");
    EXPECT_EQ(leftovers(dir), 0);
}

TEST_F(Files, TwoSavesAtOnceEachLeaveAWholeFile) {
    const std::string a(100000, 'a'), b(100000, 'b');
    int failedA = 0, failedB = 0;
    std::thread ta([&] {
        for (int i = 0; i < 50; ++i) failedA += !replaceFile(dir / "f", a).ok();
    });
    std::thread tb([&] {
        for (int i = 0; i < 50; ++i) failedB += !replaceFile(dir / "f", b).ok();
    });
    ta.join();
    tb.join();
    EXPECT_EQ(failedA + failedB, 0);
    const std::string now = contents(dir / "f");
    EXPECT_TRUE(now == a || now == b);
    EXPECT_EQ(leftovers(dir), 0);
}

}  // namespace
}  // namespace nk
