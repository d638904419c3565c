#include "screens/exam_mode_screen.h"

#include "bank/adaptive_tests.h"
#include "bank/customized_test.h"
#include "bank/question_bank.h"
#include "bank/quiz.h"
#include "bank/random_tests.h"
#include "bank/retake_tests.h"
#include "bank/standard_tests.h"
#include "bank/tips.h"
#include "core/app_context.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/product_settings.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/exam_mode_contract.h"
#include "screens/exam_mode_texts.h"
#include "screens/live_update.h"
#include "screens/page_viewers.h"
#include "screens/question_screen.h"
#include "screens/report_screen.h"
#include "testrun/bookmarks.h"
#include "testrun/saved_exam.h"

#include <cstdint>
#include <map>
#include <stdexcept>

namespace examsim {

using namespace exam_mode_contract;
namespace text = exam_mode::text;

namespace {

constexpr const char* kReportFile = "\\Database\\MainReport.wlb";
constexpr const char* kSavedExamFile = "\\Database\\savedexam";
constexpr const char* kUpdateInfo = "\\upgrade\\updateINFO.txt";
constexpr std::int32_t kSlowRandomAdaptive = 201;

bool isOne(const std::string& value) {
    const auto n = numberValue(value);
    return n && *n == 1;
}

// What the practice pool holds per objective and level, in pool order.
std::string poolCounts(const AppContext& ctx) {
    struct Counts {
        int beginner = 0, intermediate = 0, expert = 0;
    };
    std::vector<std::string> order;
    std::map<std::string, Counts> counts;
    int total = 0;
    for (const pugi::xml_node& item : practicePoolChildren(ctx)) {
        if (std::string_view(item.name()) != "item") continue;
        const std::string topic = item.attribute("topic").value();
        if (!counts.contains(topic)) order.push_back(topic);
        Counts& c = counts[topic];
        const std::string_view level = item.attribute("level").value();
        if (level == "Beginner") ++c.beginner;
        if (level == "Intermediate") ++c.intermediate;
        if (level == "Expert") ++c.expert;
        ++total;
    }
    pugi::xml_document doc;
    pugi::xml_node pool = doc.append_child("pool");
    pool.append_attribute("total").set_value(total);
    for (const std::string& topic : order) {
        pugi::xml_node o = pool.append_child("objective");
        o.append_attribute("name").set_value(topic.c_str());
        o.append_attribute("Beginner").set_value(counts[topic].beginner);
        o.append_attribute("Intermediate").set_value(counts[topic].intermediate);
        o.append_attribute("Expert").set_value(counts[topic].expert);
    }
    return xmlText(pool);
}

// A selection document that asks for nothing: "<custom />" or any root
// without an objective.
bool emptySelection(const std::string& selection) {
    if (selection == kind::EmptySelection) return true;
    pugi::xml_document doc;
    return parseXml(doc, selection) && doc.document_element() && !doc.document_element().find_child([](pugi::xml_node n) {
        return n.type() == pugi::node_element;
    });
}

}  // namespace

frmExamMode::frmExamMode(AppContext& ctx, ModeTargets targets) : MovieScreen(ctx), targets_(targets) {
    addCommands();
    addExamModeButtons();
    addPageButtons();
}

// ---- load and activation ----

void frmExamMode::load() {
    poolWritten_ = examsim::showCustomOption(ctx_);
    totalQuestions_ = totalQuestionCount(ctx_);
    // Without its movie the program has no screen to go on with.
    if (!loadScreenMovie(ctx_, movie(), kMovieFile)) throw std::runtime_error(kMovieNotWritten);
    // The bookmark list is the movie's to read, and to remove when an earlier run left it.
    handToMovie("bookmark");
    readProductTexts();
    setLoadVariables();
    if (fileExists(ctx_.paths.resolve(kUpdateInfo)))
        set(var::UpdateBlink, "True");
    else if (targets_.update)
        targets_.update->checkUpdate();
}

void frmExamMode::readProductTexts() {
    const ProductSettings product(ctx_);
    set(var::TrainingHead, product.onlineTrainingHead());
    productTitle_ = product.productName();
    screenTitle_ = productTitle_ + " Exam Simulator";
    ctx_.windowTitle = screenTitle_;
    learningLabel_ = product.learningModeLabel();
    certificationLabel_ = product.certificationModeLabel();
    interactiveLabel_ = product.interactiveQuizLabel();
    const auto page = [](const ProductPage& p) { return Page{p.file, p.folder}; };
    mentorAddress_ = product.mentorAddress();
    examInformation_ = page(product.examInformationPage());
    simulatorFeature_ = page(product.simulatorFeature());
    tipOfToday_ = page(product.tipOfToday());
    quickRevision_ = page(product.rootQuickRevisionNotes().value_or(ProductPage{}));
    tipsNTricks_ = page(product.tipsNTricks());
    onlineResources_ = page(product.onlineResources());
}

void frmExamMode::setLoadVariables() {
    const ProductSettings product(ctx_);
    set(var::TestName, blankIfEmpty(productTitle_));
    const std::string testimonial = product.testimonials();
    if (!testimonial.empty()) set(var::Testimonial, testimonial);
    set(var::CopyRight, kCopyrightLine);
    set(var::LearningMode, learningLabel_);
    set(var::CertificateMode, certificationLabel_);
    set(var::InteractiveMode, interactiveLabel_);
    set(var::Objectives, xmlText(product.objectives()));
    const pugi::xml_node compare = product.screen("comparefeature");
    set(var::CompareFeatures, compare ? xmlText(compare) : "");
    set(var::TodayTip, tipOfToday(ctx_));
    set(var::PassingPercentage, product.rootPassPercentage());
    set(var::MaxPracticeTest, std::to_string(ctx_.practiceCount));
    set(var::Resolution, resolutionValue(ctx_));
    set(var::PoolCounts, poolCounts(ctx_));
    set(var::Tips, xmlText(ctx_.tipDoc.child("tips")));
    set(var::ToolTips, xmlText(product.toolTips()));
}

void frmExamMode::activate() {
    set(var::ContentSize, std::to_string(ctx_.contentSize));
    if (hasMovie() && movie().FrameNum() == frame::Certification) markPracticeTaken();
}

void frmExamMode::showStartPage() {
    movie().GotoFrame(frame::Certification);
    markPracticeTaken();
}

void frmExamMode::markPracticeTaken() {
    const pugi::xml_node history = ctx_.reportDoc.child("QuestionBank").child("History");
    std::vector<bool> taken(static_cast<std::size_t>(std::max<std::int16_t>(ctx_.practiceCount, 0)) + 1, false);
    // One pass over the history, however long it grows.
    for (pugi::xml_node t = history.child("Test"); t; t = t.next_sibling("Test")) {
        const std::string_view name = t.attribute("name").value();
        for (std::size_t n = 1; n < taken.size(); ++n)
            if (!taken[n] && name == practiceTestName(static_cast<int>(n))) taken[n] = true;
    }
    for (std::size_t n = 1; n < taken.size(); ++n)
        if (taken[n]) movie().TGotoFrame(practiceTestName(static_cast<int>(n)), kTakenClipFrame);
}

// ---- dispatch ----

void frmExamMode::FSCommand(const std::string& command, const std::string& args) {
    ctx_.bookmarkKind = true;
    ctx_.recordableResult = true;
    ctx_.quizKind = true;
    MovieScreen::FSCommand(command, args);
}

BoxAnswer frmExamMode::say(const MessageCode& code, BoxStyle style) { return showMessage(ctx_, code, style, screenTitle_); }

BoxAnswer frmExamMode::sayText(const std::string& text, BoxStyle style) { return showText(ctx_, text, style, screenTitle_); }

// The application's own title.
BoxAnswer frmExamMode::plain(const std::string& text, BoxStyle style) { return showText(ctx_, text, style, ""); }

void frmExamMode::open(bool resumed) {
    // Without a question screen the test stays in the current test file.
    if (!targets_.questions) return;
    if (targets_.window) targets_.window->hideModeScreen();
    targets_.questions->showQuestionScreen(resumed);
}

void frmExamMode::addCommands() {
    onCommand(command::Kill, [this](const std::string& name) {
        ctx_.modeScreenReady = true;
        killFile(name);
    });
    onCommand(command::ObjectiveGrid, [this](const std::string&) {
        if (targets_.window) targets_.window->showObjectiveGrid();
    });
    onCommand(command::ExamTimer, [this](const std::string& v) { examTimer(v); });
    onCommand(command::Training, [this](const std::string&) { showPage("\\training.html", "", false); });
    onCommand(command::Adaptive, [this](const std::string& v) {
        if (isOne(v)) sayText(text::kAdaptiveOn);
    });
    onCommand(command::PracticeExam, [this](const std::string& name) { standardStart(name, true); });
    onCommand(command::Error, [this](const std::string& code) {
        if (code == "b1")
            say(msgcode::ModeSelectionFailed);
        else if (code == msgcode::TimeTooLong.code)
            plain(text::kInvalidQuestionCount);
        else
            sayText(messageText(ctx_, code));  // a code the movie names
    });
    onCommand(command::StartCustomizedExam, [this](const std::string& k) { startCustomized(k); });
    onCommand(command::StartAdaptiveExam, [this](const std::string& k) { startAdaptive(k); });
    onCommand(command::QuizObjectiveChange, [this](const std::string& t) { quizTopicsChanged(t); });
    onCommand(command::StartQuiz, [this](const std::string& t) { startQuiz(t); });
    onCommand(command::SaveRemainingBookmarks, [this](const std::string&) { remainingBookmarks(); });
    onCommand(command::ReportByPerformance, [this](const std::string& p) { reportByPerformance(p); });
    onCommand(command::ShowBookmarkExplanation, [this](const std::string& xml) { bookmarkExplanation(xml); });
}

void frmExamMode::addExamModeButtons() {
    std::map<std::string, Button> exam;
    exam[exam_button::StartDiagnostic] = [this] { standardStart("Diagnostic", false); };
    exam[exam_button::StartFinal] = [this] { standardStart("Final", false); };
    exam[exam_button::MySavedExam] = [this] { startSavedExam(true); };
    exam[exam_button::ContinueLearning] = [this] {
        if (poolWritten_) movie().GotoFrame(frame::ContinueLearning);
    };
    exam[exam_button::StartPool] = [this] { startPool(); };
    exam[exam_button::SavedExam] = [this] { startSavedExam(false); };
    exam[exam_button::PerformanceHistory] = [this] { performanceHistory(false); };
    onCommand(command::ExamMode, [this, exam = std::move(exam)](const std::string& name) {
        ctx_.examClosed = false;
        if (auto b = exam.find(name); b != exam.end()) b->second();
    });
}

void frmExamMode::addPageButtons() {
    onButton(button::Certification, [this] { showStartPage(); });
    onButton(button::Learning, [this] {
        movie().GotoFrame(frame::Learning);
        ctx_.currentModeLabel = learningLabel_;
    });
    onButton(button::Interactive, [this] {
        movie().GotoFrame(frame::Quiz);
        ctx_.currentModeLabel = interactiveLabel_;
    });
    onButton(button::Cancel, [this] { movie().GotoFrame(frame::Learning); });
    onButton(button::Back, [this] {
        if (targets_.shell) targets_.shell->setMenuEntryEnabled(kGuardedMenuEntry, true);
        movie().GotoFrame(frame::Home);
    });
    onButton(button::Font, [this] { fontSize(); });
    onButton(button::QuickRevision, [this] { htmlPage(quickRevision_, msgcode::NoQuickRevisionNotes, "Quick Revision Notes"); });
    onButton(button::TipsNTricks, [this] { htmlPage(tipsNTricks_, msgcode::NoTipsNTricks, "Tips N Tricks"); });
    onButton(button::ReadMore, [this] { showPage("\\Database\\" + tipOfToday_.text, "Tips", true); });
    onButton(button::ExamInformation, [this] {
        showPage(examInformation_.uri + "\\" + examInformation_.text, "Exam Instructions", false);
    });
    onButton(button::SimulatorFeature, [this] { showPage("\\Database\\simulatro_feature.html", "Simulator Features", false); });
    onButton(button::Pdu, [this] { showPage("\\database\\PDU.html", "PDUs", false); });
    onButton(button::Newsletter, [this] { showPage("\\upgrade\\newsletter\\index.html", "Newsletter", false); });
    onButton(button::TestimonialMore, [this] { showPage("\\Database\\testimonials.htm", "Testimonials", false); });
    onButton(button::MyMentor, [this] { sendMail(ctx_, mentorAddress_, ctx_.windowTitle + "Mentor: :", ""); });
    addUtpButtons();
    onButton(button::OnlineResources, [this] {
        showPage(onlineResources_.uri + "\\" + onlineResources_.text, "", false);
    });
    addHelpButton([this] { return productHelpFile(ctx_); });
    addAboutButton();
    onButton(button::LiveUpdate, [this] {
        if (targets_.update) targets_.update->showLiveUpdate();
    });
    onButton(button::BookmarkedQuestions, [this] {
        if (!fileExists(bookmarkStorePath(ctx_))) {
            say(msgcode::NoBookmarks, msg::Information);
            return;
        }
        if (createBookmarkfile(ctx_)) movie().GotoFrame(frame::Bookmarks);
    });
    onButton(button::PerformHistory, [this] { performanceHistory(true); });
    onButton(button::BackToHistory, [this] { performanceHistory(false); });
    onButton(button::SavedExam, [this] { startSavedExam(false); });
    onButton(button::BackFromBookmarks, [] {});
}

// ---- certification ----

void frmExamMode::standardStart(const std::string& name, bool practice) {
    ctx_.examClosed = false;
    if (targets_.shell && !targets_.shell->instructionsAccepted()) return;
    if (!examsim::startTest(ctx_, name)) {
        if (practice) say(msgcode::TestNotBuilt);
        return;
    }
    ctx_.currentModeLabel = certificationLabel_;
    open();
}

void frmExamMode::startSavedExam(bool ask) {
    if (!fileExists(ctx_.paths.resolve(kSavedExamFile))) {
        say(msgcode::NoSavedExam, msg::Information);
        return;
    }
    if (ask && sayText(text::kResumeSavedExam, msg::YesNo) != msg::Yes) return;
    if (!loadSaveExam(ctx_)) return;
    // Either way the saved exam goes on at the question it was saved at.
    open(true);
}

// The pool written at load has been played or replaced since by any other
// test: it is written afresh.
void frmExamMode::startPool() {
    if (!examsim::showCustomOption(ctx_)) {
        say(msgcode::TestNotBuilt);
        return;
    }
    ctx_.currentModeLabel = learningLabel_;
    open();
}

void frmExamMode::performanceHistory(bool fromHistoryButton) {
    if (fromHistoryButton && targets_.shell) targets_.shell->setMenuEntryEnabled(kGuardedMenuEntry, false);
    if (!fileExists(ctx_.paths.resolve(kReportFile))) {
        say(msgcode::NoHistoryYet, msg::Information);
        return;
    }
    if (!examsim::showPerformanceHistory(ctx_, movie())) {
        say(msgcode::HistoryUnreadable, msg::Information);
        return;
    }
    if (fromHistoryButton) ctx_.recordableResult = false;
    movie().GotoFrame(frame::History);
}

void frmExamMode::reportByPerformance(const std::string& position) {
    const auto n = wholeNumber(position);
    if (!n || !loadStoredTest(ctx_, *n)) {
        say(msgcode::HistoryUnreadable, msg::Information);
        return;
    }
    ctx_.recordableResult = false;
    if (!targets_.reports) return;
    if (targets_.window) targets_.window->hideModeScreen();
    targets_.reports->showReport();
}

// ---- quiz ----

void frmExamMode::quizTopicsChanged(const std::string& topics) {
    if (topics == kind::Undefined) return;
    loadQuizDocument(ctx_);
    availableQuiz_ = showAvailableQuestion(ctx_, topics, "Quiz");
    set(var::NoOfQuestions, std::to_string(availableQuiz_));
}

void frmExamMode::startQuiz(const std::string& topics) {
    ctx_.examClosed = false;
    if (topics == kind::Undefined) {
        say(msgcode::QuizNothingChosen, msg::Information);
        return;
    }
    const auto seconds = wholeNumber(movie().GetVariable(var::TimePerQuestion));
    if (!seconds || *seconds < 1) {
        sayText(text::kInvalidTimePerQuestion);
        return;
    }
    if (!createQuiz(ctx_, topics, *seconds, "Quiz")) {
        say(msgcode::TestNotBuilt);
        return;
    }
    ctx_.quizKind = false;
    ctx_.currentModeLabel = interactiveLabel_;
    open();
}

// ---- learning ----

// Minutes to seconds; a time that is not a number, below a second or above
// 300 minutes builds nothing.
std::optional<double> frmExamMode::learningSeconds() {
    const auto minutes = numberValue(movie().GetVariable(var::TotalLearningTime));
    if (!minutes || *minutes * 60 < 1) {
        say(msgcode::TimeTooShort);
        return std::nullopt;
    }
    if (*minutes > 300) {
        say(msgcode::TimeTooLong);
        return std::nullopt;
    }
    return *minutes * 60;
}

std::optional<std::int32_t> frmExamMode::randomQuestionCount() {
    const auto n = wholeNumber(movie().GetVariable(var::RandomQuestions));
    if (!n || *n < 1) {
        plain(text::kInvalidQuestionCount);
        return std::nullopt;
    }
    return n;
}

// What a learning-mode start has checked before it builds: the selection and
// the total time.
std::optional<double> frmExamMode::learningStart(const std::string& k) {
    ctx_.examClosed = false;
    ctx_.currentModeLabel = learningLabel_;
    if (emptySelection(k)) {
        say(msgcode::CustomizedNothingChosen);
        return std::nullopt;
    }
    return learningSeconds();
}

void frmExamMode::startCustomized(const std::string& k) {
    const auto seconds = learningStart(k);
    if (!seconds) return;
    if (k == kind::Bookmark) {
        ctx_.bookmarkKind = false;
        if (buildBookmarkedTest(ctx_, *seconds))
            open();
        else
            say(msgcode::NoBookmarks);
    } else if (k == kind::Random) {
        const auto n = randomQuestionCount();
        if (!n) return;
        if (buildRandomTest(ctx_, *n, *seconds))
            open();
        else
            say(msgcode::RandomTestNotBuilt);
    } else if (k == kind::Incorrect) {
        if (!buildIncorrectTest(ctx_, *seconds, false)) {
            say(msgcode::RetakeNotBuilt);
            return;
        }
        ctx_.recordableResult = true;
        open();
    } else if (buildCustomizedTest(ctx_, *seconds, k, false)) {
        open();
    } else {
        say(msgcode::ExamTimerOn);
    }
}

void frmExamMode::startAdaptive(const std::string& k) {
    ctx_.quizKind = false;
    const auto seconds = learningStart(k);
    if (!seconds) return;
    if (k == kind::Bookmark) {
        if (!buildBookmarkAdaptiveTest(ctx_, *seconds)) {
            sayText(text::kTooFewBookmarks);
            return;
        }
        ctx_.bookmarkKind = false;
        open();
    } else if (k == kind::Incorrect) {
        if (!buildIncorrectTest(ctx_, *seconds, true)) {
            say(msgcode::RetakeNotBuilt);
            return;
        }
        ctx_.recordableResult = false;
        open();
    } else if (k == kind::Random) {
        const auto n = randomQuestionCount();
        if (!n) return;
        if (*n >= kSlowRandomAdaptive && plain(text::kSlowRandomAdaptive, msg::YesNo) != msg::Yes) return;
        if (buildRandomAdaptiveTest(ctx_, *n, *seconds))
            open();
        else
            say(msgcode::RandomTestNotBuilt);
    } else if (buildCustomizedTest(ctx_, *seconds, k, true)) {
        open();
    } else {
        // A build that fails says so, adaptive or not.
        say(msgcode::ExamTimerOn);
    }
}

// ---- bookmarks ----

void frmExamMode::remainingBookmarks() {
    if (pruneBookmarks(ctx_, movie().GetVariable(var::KeptBookmarks)) == PruneOutcome::Stored && targets_.shell)
        targets_.shell->setMenuEntryEnabled(kGuardedMenuEntry, true);
}

void frmExamMode::bookmarkExplanation(const std::string& testXml) {
    pugi::xml_document doc;
    if (!parseXml(doc, testXml) || !doc.document_element()) {
        sayText(text::kBookmarkNotReadable, msg::Critical);
        return;
    }
    saveQuestionXml(ctx_, testXml);
    if (!targets_.reports) return;
    if (targets_.window) targets_.window->hideModeScreen();
    targets_.reports->showBookmarkExplanations();
}

// ---- settings ----

void frmExamMode::examTimer(const std::string& value) {
    const auto n = numberValue(value);
    if (!n) {
        sayText(text::kInvalidTimerSetting);
        return;
    }
    ctx_.examTimer = value;
    if (*n != 1)
        say(msgcode::ExamTimerChanged);
    // The product's own "timer on" text when it has one: "qi21" also says a
    // customized test could not be built.
    else if (ctx_.catalogue.contains(msgcode::ExamTimerSwitchedOn.code))
        say(msgcode::ExamTimerSwitchedOn);
    else
        say(msgcode::ExamTimerOn);
}

void frmExamMode::fontSize() {
    const auto size = wholeNumber(movie().GetVariable(var::ContentSize));
    if (!size || *size < 0 || *size > INT16_MAX) {
        sayText(text::kInvalidFontSize);
        return;
    }
    sayText(text::kFontSizeChosen);
    ctx_.contentSize = static_cast<std::int16_t>(*size);
}

// ---- side pages ----

void frmExamMode::htmlPage(const Page& page, const MessageCode& missingCode, const std::string& caption) {
    if (page.text.empty() && page.uri.empty()) {
        say(missingCode, msg::Information);
        return;
    }
    showPage(page.uri + "\\" + page.text, caption, true);
}

// Only pages inside the application folder; one that is missing is said so,
// never shown as an empty window.
void frmExamMode::showPage(const std::string& relative, const std::string& caption, bool enciphered) {
    const auto file = ctx_.paths.confined(relative);
    if (!file || !fileExists(*file) || std::filesystem::is_directory(*file)) {
        sayText(text::pageMissing(relative), msg::Information);
        return;
    }
    if (caption.empty()) {
        openLink(ctx_, file->string());
    } else if (targets_.viewers) {
        if (enciphered)
            targets_.viewers->showHtmlPage(*file, caption);
        else
            targets_.viewers->showPrintablePage(*file, caption);
    }
}

// ---- the main window's side ----

bool frmExamMode::startTest(const std::string& name) { return examsim::startTest(ctx_, name); }

void frmExamMode::openQuestionScreen(const std::string& modeLabel) {
    ctx_.examClosed = false;
    ctx_.currentModeLabel = modeLabel;
    open();
}

int frmExamMode::frameNum() { return hasMovie() ? movie().FrameNum() : 0; }

void frmExamMode::gotoFrame(int frame) {
    if (hasMovie()) movie().GotoFrame(frame);
}

void frmExamMode::setModeLabel(const std::string& label) { ctx_.currentModeLabel = label; }

bool frmExamMode::showCustomOption() { return poolWritten_ = examsim::showCustomOption(ctx_); }

bool frmExamMode::showPerformanceHistory() { return hasMovie() && examsim::showPerformanceHistory(ctx_, movie()); }

}  // namespace examsim
