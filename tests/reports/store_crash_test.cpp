// Writers of every store (report history, saved exam, bookmarks, product
// document) are killed with SIGKILL at each step of a replace and at random
// moments. Stores are read back by an independent reader (a plain XOR and
// pugixml, not the program's loader): each must hold the old content when the
// kill came before the rename and the new one after it, never a torn file,
// and nothing that was reported stored may be lost.
#include "core/atomic_file.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/instruction_dialog.h"
#include "screens/main_window_screen.h"
#include "support/store_fixture.h"
#include "testrun/bookmarks.h"
#include "testrun/saved_exam.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;

namespace {

constexpr int kRandomKills = 60;
const std::vector<std::string> kSteps{"open", "write", "sync", "rename", "dirsync", "done"};
const std::vector<std::string> kStores{"record", "save", "bookmark", "product"};

// What a reader that knows only the container format finds in a store.
struct Stored {
    bool exists = false;
    bool parses = false;
    long count = 0;     // history records, bookmarks; the saved exam's position
    std::string value;  // the product's instruction choice
};

std::unique_ptr<pugi::xml_document> decode(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string key = "pelkoram";
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(bytes[i] ^ key[i % key.size()]);
    auto doc = std::make_unique<pugi::xml_document>();
    if (!doc->load_buffer(bytes.data(), bytes.size())) return nullptr;
    return doc;
}

Stored readStore(const fs::path& folder, const std::string& store) {
    const std::map<std::string, std::string> files{{"record", "Database/MainReport.wlb"},
                                                   {"save", "Database/savedexam"},
                                                   {"bookmark", "Database/bookmark.wlb"},
                                                   {"product", "Database/Product.wlb"}};
    Stored s;
    const fs::path file = folder / files.at(store);
    s.exists = fs::exists(file);
    if (!s.exists) return s;
    const auto doc = decode(file);
    s.parses = doc != nullptr;
    if (!doc) return s;
    if (store == "record") s.count = static_cast<long>(doc->select_nodes("/QuestionBank/History/Test").size());
    if (store == "bookmark") s.count = static_cast<long>(doc->select_nodes("/Test/item").size());
    if (store == "save") s.count = std::atol(doc->child("Test").attribute("currentQuestionID").value());
    if (store == "product") s.value = doc->select_node("//examinstruction").node().attribute("show").value();
    return s;
}

void say(int fd, const std::string& line) {
    const std::string text = line + "\n";
    if (::write(fd, text.data(), text.size()) < 0) ::_exit(3);
}

// One writer of every store, as the program runs them.
struct Writers {
    explicit Writers(const fs::path& folder) {
        ctx.paths.setFolder(folder);
        loadDataDocument(ctx, "Product", ctx.productDoc);
        loadReportHistory(ctx);
    }
    bool write(const std::string& store, long n) {
        if (store == "record") {
            std::string played = playedTestXml(oneMarkQuestions(2, 1), "T" + std::to_string(n));
            return static_cast<bool>(recordReport(ctx, played));
        }
        if (store == "save") return saveTest(ctx, playedTestXml(oneMarkQuestions(2, 0)), std::to_string(n));
        if (store == "bookmark") {
            std::vector<PlayedQuestion> marked = oneMarkQuestions(1, 1);
            marked[0].questionId = "b" + std::to_string(n);
            marked[0].bookmark = "true";
            bookmarkQuestions(ctx, playedTestXml(marked), modeMovie);
            return true;
        }
        const bool shown = std::string(firstNamed(ctx.productDoc, "examinstruction").attribute("show").value()) == "true";
        frmMDIMain main(ctx, ShellTargets{});
        frmInstruction(ctx, main).cmdOk(shown);  // "don't show again" flips the stored choice
        return true;
    }
    AppContext ctx;
    FakeMovie modeMovie;
};

class StoreCrash : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        pugi::xml_node instruction = ctx.productDoc.document_element().append_child("examinstruction");
        instruction.append_attribute("show").set_value("true");
        saveDataDocument(ctx, ctx.productDoc, "Product");
        Writers w(t.path());
        for (const std::string& store : kStores) ASSERT_TRUE(w.write(store, 0)) << store;
    }
    // Runs `body` in a child that must die by SIGKILL; returns what it said.
    std::string killed(const std::function<void(int fd)>& body, const std::function<void(pid_t, int fd)>& watch = {}) {
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            body(fds[1]);
            ::_exit(0);
        }
        ::close(fds[1]);
        if (watch) watch(pid, fds[0]);
        std::string out;
        char buf[4096];
        for (ssize_t got; (got = ::read(fds[0], buf, sizeof buf)) != 0;)
            if (got > 0) out.append(buf, static_cast<std::size_t>(got));
            else if (errno != EINTR) break;
        ::close(fds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended by itself: " << status;
        return out;
    }
    // Files of Database other than the stores, their plain copies and temporaries.
    std::vector<std::string> strangers() const {
        std::vector<std::string> left;
        for (const auto& e : fs::directory_iterator(t / "Database")) {
            const std::string name = e.path().filename().string();
            if (name != "MainReport.wlb" && name != "savedexam" && name != "bookmark.wlb" && name != "Product.wlb" &&
                name != "bookmark" && name.find(".tmp-") == std::string::npos)
                left.push_back(name);
        }
        return left;
    }
    int temporaries() const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(t / "Database")) n += e.path().filename().string().find(".tmp-") != std::string::npos;
        return n;
    }
};

}  // namespace

TEST_F(StoreCrash, EveryReplaceWritesFlushesRenamesThenFlushesTheFolder) {
    for (const std::string& store : kStores) {
        std::vector<std::string> steps;
        setWriteFaultHook([&](std::string_view step) {
            if (steps.empty() || steps.back() != step) steps.emplace_back(step);  // pieces of one write count once
            return true;
        });
        Writers w(t.path());
        EXPECT_TRUE(w.write(store, 1));
        setWriteFaultHook({});
        // The bookmarks replace their store, then their plain copy for the movie.
        std::vector<std::string> expected = kSteps;
        if (store == "bookmark") expected.insert(expected.end(), kSteps.begin(), kSteps.end());
        EXPECT_EQ(steps, expected) << store;
    }
}

TEST_F(StoreCrash, AKillAtAnyStepOfAReplaceLeavesTheOldStoreBeforeTheRenameAndTheNewOneAfter) {
    long n = 1;
    for (const std::string& store : kStores)
        for (const std::string& step : kSteps) {
            SCOPED_TRACE(store + " killed before " + step);
            std::map<std::string, Stored> before;
            for (const std::string& s : kStores) before[s] = readStore(t.path(), s);
            const int temporariesBefore = temporaries();
            killed([&](int) {
                Writers w(t.path());
                setWriteFaultHook([&](std::string_view at) {
                    if (at == step) ::raise(SIGKILL);
                    return true;
                });
                w.write(store, n);
            });
            const bool renamed = step == "dirsync" || step == "done";
            for (const std::string& s : kStores) {
                const Stored now = readStore(t.path(), s);
                ASSERT_TRUE(now.exists && now.parses) << s;
                if (s != store || !renamed) {
                    EXPECT_EQ(now.count, before[s].count) << s;
                    EXPECT_EQ(now.value, before[s].value) << s;
                } else if (s == "save") {
                    EXPECT_EQ(now.count, n);
                } else if (s == "product") {
                    EXPECT_NE(now.value, before[s].value);
                } else {
                    EXPECT_EQ(now.count, before[s].count + 1) << s;
                }
            }
            // Only a kill between creating the temporary and renaming it leaves one behind.
            const bool leftOne = step == "write" || step == "sync" || step == "rename";
            EXPECT_EQ(temporaries(), temporariesBefore + (leftOne ? 1 : 0));
            EXPECT_EQ(strangers(), std::vector<std::string>{});
            ++n;
        }
}

TEST_F(StoreCrash, WritersKilledAtRandomMomentsLoseNothingTheyReportedStored) {
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<int> delayMicros(0, 120000);
    std::map<std::string, long> confirmed{{"record", 1}, {"bookmark", 1}, {"save", 0}};
    long n = 1;
    for (int kill = 0; kill < kRandomKills; ++kill) {
        const std::string said = killed(
            [&](int fd) {
                Writers w(t.path());
                say(fd, "ready");
                for (long i = n;; ++i)
                    for (const char* store : {"record", "save", "bookmark"})
                        if (w.write(store, i)) say(fd, std::string(store) + " " + std::to_string(i));
            },
            [&](pid_t pid, int fd) {
                char c = 0;  // wait for "ready" so the kill lands in the writing loop
                std::string head;
                while (c != '\n' && ::read(fd, &c, 1) == 1) head.push_back(c);
                std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(rng)));
                ::kill(pid, SIGKILL);
            });
        std::istringstream in(said);
        long last = n - 1;
        for (std::string store; in >> store;)
            if (store != "ready") {
                in >> last;
                if (store != "save") ++confirmed[store];
                else confirmed["save"] = last;
            }
        n = last + 2;
        for (const char* store : {"record", "bookmark"}) {
            const Stored s = readStore(t.path(), store);
            ASSERT_TRUE(s.parses) << store << " at kill " << kill;
            // At most the one write under way when the kill came is there beyond what was confirmed.
            ASSERT_GE(s.count, confirmed[store]) << store << ": a stored entry was lost at kill " << kill;
            ASSERT_LE(s.count, confirmed[store] + 1) << store << " at kill " << kill;
            confirmed[store] = s.count;
        }
        const Stored saved = readStore(t.path(), "save");
        ASSERT_TRUE(saved.parses);
        ASSERT_GE(saved.count, confirmed["save"]) << "a saved exam was lost at kill " << kill;
        ASSERT_EQ(strangers(), std::vector<std::string>{});
    }
    // Once their writers are long gone, the next writes clear the temporaries the kills left.
    for (const auto& e : fs::directory_iterator(t / "Database"))
        fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    Writers w(t.path());
    for (const std::string& store : kStores) ASSERT_TRUE(w.write(store, n)) << store;
    EXPECT_EQ(temporaries(), 0);
    std::cout << "[ crash    ] " << kRandomKills << " random kills, " << confirmed["record"] << " records, "
              << confirmed["bookmark"] << " bookmarks\n";
}
