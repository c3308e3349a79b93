// The history under a full disk and under processes that append and delete at
// the same time: no record lost, none left half, every failure heard.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "app/history.h"
#include "app/history_record.h"
#include "engine/chart_state.h"
#include "platform/clock.h"
#include "platform/message.h"
#include "support/birth.h"
#include "support/temp_dir.h"

using namespace orvane;

namespace {

class HistoryRace : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_clock_override({2024, 5, 6, 7, 8, 9});
        dir.write("option.dat", "11\r\n1\r\n1\r\n");
    }
    void TearDown() override { platform::clear_clock_override(); }

    // Appends a chart of 1985-03-04 12:30 for `name`.
    static void appendNamed(const std::string& name) {
        ASSERT_TRUE(testsupport::store({1985, 3, 4, 12, 30}, 2024));
        chart.personName = name;
        append_history();
    }

    std::string log() const { return dir.read("log.dat"); }

    testsupport::TempProgramDir dir;
    platform::MessageRecorder recorder;
};

std::string nameOf(char kind, int i) { return kind + std::to_string(1000 + i); }

// The records of a file that holds nothing but whole records: the number of
// each, by the name of its line; fails the test on anything else.
std::multimap<std::string, int> whole_records(const std::string& content) {
    std::multimap<std::string, int> records;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t end = content.find("\r\n\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a record cut short at byte " << at;
            break;
        }
        const std::string record = content.substr(at, end + 4 - at);
        const auto texts = history_texts(record);
        const auto birth = texts.size() == 1 ? parse_history_line(texts[0]) : std::nullopt;
        if (record.front() != '[' || !birth || std::count(record.begin(), record.end(), '\n') != 4) {
            ADD_FAILURE() << "not a whole record at byte " << at;
            break;
        }
        records.emplace(birth->personName, std::stoi(record.substr(1)));
        at = end + 4;
    }
    return records;
}

// Runs `work` in a child process; its exit status (0 when all went well).
pid_t spawn(const std::function<int()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(work());
    return pid;
}

int exit_status(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

// A file system that fills up: the appends that fit are whole, each that does
// not leaves the file as it was and says so.
TEST_F(HistoryRace, FullDiskKeepsWholeRecordsAndReportsEveryFailedAppend) {
    appendNamed("A0");
    const std::size_t first = log().size();
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = first * 10 + first / 2;  // room for nine and a half more
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    constexpr int kTries = 30;
    for (int i = 1; i <= kTries; ++i) appendNamed("A" + std::to_string(i));
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, previous);

    const auto records = whole_records(log());
    EXPECT_EQ(records.size(), 10u);
    EXPECT_EQ(log().size(), 10 * first);
    ASSERT_EQ(recorder.messages.size(), static_cast<std::size_t>(kTries + 1 - 10));
    for (const auto& m : recorder.messages) EXPECT_EQ(m, kHistoryAppendFailed);
    // Once there is room again, the next number follows the records kept.
    appendNamed("B");
    EXPECT_EQ(whole_records(log()).find("B")->second, 11);
}

// Two processes append at once: every record whole, numbers 1 to N once each.
TEST_F(HistoryRace, ConcurrentAppendsNeverRepeatANumber) {
    constexpr int kEach = 150;
    auto appender = [](char kind) {
        return [kind] {
            for (int i = 0; i < kEach; ++i) appendNamed(nameOf(kind, i));
            return ::testing::Test::HasFailure() ? 1 : 0;
        };
    };
    const pid_t a = spawn(appender('A'));
    const pid_t b = spawn(appender('B'));
    ASSERT_EQ(exit_status(a), 0);
    ASSERT_EQ(exit_status(b), 0);
    std::set<int> numbers;
    for (const auto& [name, number] : whole_records(log())) numbers.insert(number);
    ASSERT_EQ(numbers.size(), 2u * kEach);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 2 * kEach);
}

// 200 records; one process appends 300 while another deletes 100 of the first
// 200, each chosen from a list read while the other appends: exactly the
// chosen ones go, everything appended stays.
TEST_F(HistoryRace, DeletesRacingAppendsLoseNothingAndRemoveWhatWasChosen) {
    constexpr int kFirst = 200, kAppended = 300, kDeleted = 100;
    for (int i = 0; i < kFirst; ++i) appendNamed(nameOf('R', i));
    recorder.messages.clear();

    const pid_t appending = spawn([] {
        for (int i = 0; i < kAppended; ++i) appendNamed(nameOf('A', i));
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
    const pid_t deleting = spawn([] {
        platform::set_question_handler([](const std::string&) { return true; });
        int failures = 0;
        for (int i = 0; i < kDeleted; ++i) {
            HistoryDialogState dialog;
            dialog.list();
            const std::string wanted = nameOf('R', 2 * i) + ",";
            const auto at = std::find_if(dialog.lines.begin(), dialog.lines.end(),
                                         [&](const std::string& line) { return line.starts_with(wanted); });
            if (at == dialog.lines.end()) {
                ++failures;
                continue;
            }
            dialog.selection = static_cast<int>(at - dialog.lines.begin());
            failures += dialog.remove() ? 0 : 1;
        }
        return std::min(failures, 100);
    });
    EXPECT_EQ(exit_status(appending), 0);
    EXPECT_EQ(exit_status(deleting), 0);
    EXPECT_TRUE(recorder.messages.empty());

    const auto records = whole_records(log());
    EXPECT_EQ(records.size(), static_cast<std::size_t>(kFirst + kAppended - kDeleted));
    for (int i = 0; i < kFirst; ++i) EXPECT_EQ(records.count(nameOf('R', i)), i % 2 ? 1u : 0u) << i;
    for (int i = 0; i < kAppended; ++i) EXPECT_EQ(records.count(nameOf('A', i)), 1u) << i;
}
