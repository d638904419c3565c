#include "support/fakes.h"

#include "core/system_clock.h"

namespace examsim::test {

BoxAnswer FakeMessageBoxes::show(const std::string& text, BoxStyle style, const std::string& title) {
    shown.push_back({text, style, title});
    if (answers.empty()) return msg::Ok;
    const BoxAnswer a = answers.front();
    answers.pop_front();
    return a;
}

bool FakeMailer::send(const MailMessage& m) {
    sent.push_back(m);
    return succeed;
}

void FakeProgramControl::endProgram(int exitCode) {
    ++endCount;
    throw ProgramEnded(exitCode);
}

void FakeMovie::LoadMovie(int layer, const std::filesystem::path& file) {
    log.push_back("LoadMovie " + std::to_string(layer) + " " + file.filename().string());
}

void FakeMovie::SetVariable(const std::string& name, const std::string& value) {
    vars[name] = value;
    sets.emplace_back(name, value);
    log.push_back("SetVariable " + name);
}

std::string FakeMovie::GetVariable(const std::string& name) {
    auto it = vars.find(name);
    return it == vars.end() ? std::string() : it->second;
}

void FakeMovie::GotoFrame(int f) {
    frame = f;
    log.push_back("GotoFrame " + std::to_string(f));
}

void FakeMovie::TGotoFrame(const std::string& target, int f) {
    log.push_back("TGotoFrame " + target + " " + std::to_string(f));
}

void FakeMovie::Rewind() {
    frame = 0;
    log.push_back("Rewind");
}

std::string FakeClock::shortDate(std::time_t when) { return examsim::shortDate(when, locale); }

void FakeHost::attach(AppContext& ctx) {
    ctx.host.messages = &messages;
    ctx.host.links = &links;
    ctx.host.mail = &mail;
    ctx.host.program = &program;
    ctx.host.screen = &screen;
    ctx.host.random = &random;
    ctx.host.clock = &clock;
    ctx.host.help = &help;
    ctx.host.about = &about;
}

double FakeRandom::next() {
    ++drawn;
    if (!values.empty()) {
        const double v = values.front();
        values.pop_front();
        return v;
    }
    return static_cast<double>((drawn * 7919) % 1000) / 1000.0;
}

}  // namespace examsim::test
