#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
protected:
    // A folder of its own per test: a folder is swept for stale temporary files once per process.
    fs::path dir = fs::temp_directory_path() /
                   ("orvane-files-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

}  // namespace

TEST_F(Files, AFifoOrAFolderIsNeverOpenedForReading) {
    ASSERT_EQ(::mkfifo(path("option.dat").c_str(), 0644), 0);
    // Opening a FIFO for reading would wait for a writer: this returns at once.
    EXPECT_EQ(platform::read_file(path("option.dat"), 1024).status, platform::ReadStatus::cannot_open);
    EXPECT_FALSE(platform::read_file_prefix(path("option.dat"), 1024).ok);
    EXPECT_FALSE(platform::append_file(path("option.dat"), "x"));
    EXPECT_FALSE(platform::write_file_atomic(path("option.dat"), "x"));  // never replaced by a file either
    fs::create_directory(dir / "style.ini");
    EXPECT_EQ(platform::read_file(path("style.ini"), 1024).status, platform::ReadStatus::cannot_open);
}

TEST_F(Files, ReadsWholeOrTellsItIsTooLong) {
    ASSERT_TRUE(platform::write_file_atomic(path("a"), "12345"));
    EXPECT_EQ(platform::read_file(path("a"), 5).bytes, "12345");
    EXPECT_EQ(platform::read_file(path("a"), 4).status, platform::ReadStatus::too_long);
    const auto prefix = platform::read_file_prefix(path("a"), 3);
    EXPECT_EQ(prefix.bytes, "123");
    EXPECT_TRUE(prefix.truncated);
    EXPECT_FALSE(platform::read_file_prefix(path("a"), 5).truncated);
}

TEST_F(Files, AtomicWriteGoesThroughALinkAndKeepsTheMode) {
    ASSERT_TRUE(platform::write_file_atomic(path("real.dat"), "old"));
    ::chmod(path("real.dat").c_str(), 0600);
    fs::create_symlink("real.dat", dir / "log.dat");
    ASSERT_TRUE(platform::write_file_atomic(path("log.dat"), "new", platform::Durability::regenerable));
    EXPECT_TRUE(fs::is_symlink(dir / "log.dat"));  // the link still names the one history
    EXPECT_EQ(read(path("real.dat")), "new");
    struct stat st{};
    ASSERT_EQ(::stat(path("real.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(entries(), 2u);  // no temporary file left
}

TEST_F(Files, TemporaryFilesOfDeadProcessesAreRemovedAtTheNextWrite) {
    // A child that has exited stands for a process killed while writing.
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    std::ofstream(path("right.htm.tmp") + std::to_string(dead)) << "half a page";
    const std::string live = path("right.htm.tmp") + std::to_string(::getppid());
    std::ofstream(live) << "another process is writing";
    std::ofstream(path("right.htm.tmpnotapid")) << "not ours";
    std::ofstream(path("log.dat.tmp") + std::to_string(dead)) << "cut";
    ASSERT_TRUE(platform::write_file_atomic(path("right.htm"), "page", platform::Durability::regenerable));
    EXPECT_FALSE(fs::exists(path("right.htm.tmp") + std::to_string(dead)));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(path("right.htm.tmpnotapid")));
    EXPECT_EQ(read(path("right.htm")), "page");
    EXPECT_FALSE(fs::exists(path("log.dat.tmp") + std::to_string(dead)));  // another file's leftover too
}

// A file-size limit makes the kernel refuse part of a write, as a full disk does.
TEST_F(Files, AnAppendThatDoesNotFitLeavesTheFileAsItWas) {
    ASSERT_TRUE(platform::append_file(path("log.dat"), "[001]whole record\r\n"));
    const std::string before = read(path("log.dat"));
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = before.size() + 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool appended = platform::append_file(path("log.dat"), "[002]a record longer than ten bytes\r\n");
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, previous);
    EXPECT_FALSE(appended);
    EXPECT_EQ(read(path("log.dat")), before);
}

TEST_F(Files, ALockIsHeldAgainstOtherProcessesUntilReleased) {
    auto triesLock = [this] {
        const pid_t child = ::fork();
        if (child == 0) {
            int fd = ::open((path("log.dat") + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
            ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    {
        platform::FileLock lock(path("log.dat"));
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(triesLock());
    }
    EXPECT_TRUE(triesLock());
}
