// Writers of the three stores are killed with SIGKILL at random moments; every
// store must still decipher, parse and hold a prefix of what was written, with
// nothing lost that was reported stored.
#include "core/data_file.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "support/store_fixture.h"
#include "testrun/bookmarks.h"
#include "testrun/saved_exam.h"

#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace examsim;
using namespace examsim::test;

namespace {

constexpr int kKills = 200;

void say(int fd, const std::string& line) {
    const std::string text = line + "\n";
    if (::write(fd, text.data(), text.size()) < 0) ::_exit(3);
}

// The child: records, saves and bookmarks in a loop until it is killed, and
// reports each store that returned as stored.
[[noreturn]] void runWriter(const std::filesystem::path& folder, const std::string& product, int fd) {
    AppContext ctx;
    ctx.paths.setFolder(folder);
    parseXml(ctx.productDoc, product);
    loadReportHistory(ctx);
    FakeMovie modeMovie;
    // Each store numbers its own entries on from what it holds.
    std::size_t record = selectAll(ctx.reportDoc, "QuestionBank/History/Test").size();
    pugi::xml_document held;
    (void)loadBookmarks(ctx, held);  // none yet, or what an earlier writer left
    std::size_t bookmark = selectAll(held, "Test/item").size();
    say(fd, "ready");
    for (std::size_t save = record;; ++save) {
        std::string played = playedTestXml(oneMarkQuestions(2, 1), "T" + std::to_string(record));
        if (recordReport(ctx, played)) say(fd, "r " + std::to_string(record++));
        if (saveTest(ctx, playedTestXml(oneMarkQuestions(2, 0)), std::to_string(save))) say(fd, "s " + std::to_string(save));
        std::vector<PlayedQuestion> marked = oneMarkQuestions(1, 1);
        marked[0].questionId = "b" + std::to_string(bookmark);
        marked[0].bookmark = "true";
        bookmarkQuestions(ctx, playedTestXml(marked), modeMovie);
        say(fd, "b " + std::to_string(bookmark++));
    }
}

// The last number the child reported for each store: r(ecord), s(ave), b(ookmark).
std::map<std::string, long> confirmedBy(int fd, std::map<std::string, long> last) {
    std::string out;
    char buf[4096];
    for (ssize_t got; (got = ::read(fd, buf, sizeof buf)) != 0;)
        if (got > 0) out.append(buf, static_cast<std::size_t>(got));
        else if (errno != EINTR) break;
    std::istringstream in(out);
    for (std::string kind; in >> kind;)
        if (kind != "ready") in >> last[kind];
    return last;
}

class StoreCrash : public StoreFixture {
protected:
    // Numbers held by a store: the suffixes of the selected attribute values, in document order.
    std::vector<long> numbers(const std::filesystem::path& store, const char* xpath, std::size_t prefix) {
        std::vector<long> out;
        if (!std::filesystem::exists(store)) return out;
        pugi::xml_document doc;
        const auto parsed = loadDataDocumentAt(ctx, store, doc);
        EXPECT_TRUE(parsed) << store << ": " << parsed.description;
        for (const pugi::xpath_node& n : selectAll(doc, xpath)) out.push_back(std::stol(std::string(n.attribute().value()).substr(prefix)));
        // Objective scores and history come from one write: 2 marks possible per record.
        if (std::string(xpath).find("History") != std::string::npos) {
            EXPECT_EQ(std::string(selectFirst(doc, "//objective[@name='A']").attribute("maxScore").value()), std::to_string(2 * out.size()));
        }
        return out;
    }
    // Holds 0, 1, 2, ... and at least `confirmed` + 1 entries.
    static void expectWholePrefix(const std::vector<long>& v, long confirmed, int kill) {
        for (std::size_t i = 0; i < v.size(); ++i) ASSERT_EQ(v[i], static_cast<long>(i)) << "out of order at kill " << kill;
        ASSERT_GE(static_cast<long>(v.size()), confirmed + 1) << "a stored entry was lost at kill " << kill;
    }
    std::vector<std::string> temporaries() const {
        std::vector<std::string> left;
        for (const auto& e : std::filesystem::directory_iterator(t / "Database"))
            if (e.path().filename().string().find(".tmp-") != std::string::npos) left.push_back(e.path().filename().string());
        return left;
    }
};

}  // namespace

TEST_F(StoreCrash, KilledWritersLeaveEveryStoreWholeAndInOrder) {
    const std::string product = productXml(65);
    std::mt19937 rng(20261206);
    // One pass of the loop takes some 80 ms here (each replace waits for the disk).
    std::uniform_int_distribution<int> delayMicros(0, 120000);
    std::map<std::string, long> confirmed{{"r", -1}, {"s", -1}, {"b", -1}};
    int kills = 0, abandonedTemporaries = 0;
    std::size_t lastRecords = 0;
    for (; kills < kKills; ++kills) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            runWriter(t.path(), product, fds[1]);
        }
        ::close(fds[1]);
        char c = 0;  // wait for "ready" so the kill lands in the writing loop
        std::string head;
        while (c != '\n' && ::read(fds[0], &c, 1) == 1) head.push_back(c);
        ASSERT_EQ(head, "ready\n") << "writer could not start after " << kills << " kills";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "writer ended by itself: " << status;
        confirmed = confirmedBy(fds[0], confirmed);
        ::close(fds[0]);

        const auto records = numbers(reportHistoryPath(ctx), "QuestionBank/History/Test/@name", 1);
        ASSERT_NO_FATAL_FAILURE(expectWholePrefix(records, confirmed["r"], kills));
        ASSERT_NO_FATAL_FAILURE(expectWholePrefix(numbers(bookmarkStorePath(ctx), "Test/item/@questionId", 1), confirmed["b"], kills));
        if (confirmed["s"] >= 0) {
            const auto saved = numbers(savedExamPath(ctx), "Test/@currentQuestionID", 0);
            ASSERT_EQ(saved.size(), 1u);
            ASSERT_GE(saved[0], confirmed["s"]);
        }
        ASSERT_GE(records.size(), lastRecords);
        lastRecords = records.size();
        abandonedTemporaries += !temporaries().empty();
        for (const char* plain : {"report.xml", "Book.xml"}) ASSERT_FALSE(std::filesystem::exists(t / plain));
    }
    EXPECT_GE(lastRecords, 1u);
    // The next successful writes clear whatever temporaries the kills left.
    loadReportHistory(ctx);
    std::string played = playedTestXml(oneMarkQuestions(2, 1), "T" + std::to_string(lastRecords));
    ASSERT_TRUE(recordReport(ctx, played));
    ASSERT_TRUE(saveTest(ctx, played, "1"));
    bookmarkQuestions(ctx, playedTestXml(oneMarkQuestions(1, 1)), modeMovie);
    EXPECT_EQ(temporaries(), std::vector<std::string>{});
    std::cout << "[ crash    ] " << kills << " kills, " << lastRecords << " records, " << confirmed["s"] + 1 << " saves, "
              << confirmed["b"] + 1 << " bookmarks; kills followed by an abandoned temporary: " << abandonedTemporaries << "\n";
}
