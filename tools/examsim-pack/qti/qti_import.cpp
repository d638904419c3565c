#include "qti_import.h"

#include "check.h"
#include "pack_error.h"
#include "product_sources.h"
#include "qti_package.h"
#include "qti_picture.h"

#include "core/atomic_file.h"
#include "core/file_io.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace examsim::pack::qti {
namespace fs = std::filesystem;

namespace {

// A folder for unpacking one ZIP, removed with its content at the end.
class Staging {
public:
    Staging() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("examsim-qti-" + std::to_string(rd()) + std::to_string(rd()));
    }
    ~Staging() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

bool isLevel(const std::string& l) { return l == "Beginner" || l == "Intermediate" || l == "Expert"; }

void place(Question& q, const ImportOptions& o, const std::vector<std::string>& objectives) {
    if (!o.objective.empty()) q.objective = o.objective;
    if (!o.level.empty()) q.level = o.level;
    if (q.objective.empty())
        throw ItemRefused(itemName(q.identifier) + " has no objective: give --objective or a LOM classification");
    if (std::find(objectives.begin(), objectives.end(), q.objective) == objectives.end())
        throw ItemRefused(itemName(q.identifier) + ": objective \"" + q.objective +
                          "\" is none of the product's objectives (data/Product.xml)");
    if (q.level.empty())
        throw ItemRefused(itemName(q.identifier) + " has no level: give --level or a LOM difficulty");
    if (!isLevel(q.level))
        throw ItemRefused(itemName(q.identifier) + ": level \"" + q.level +
                          "\" is not Beginner, Intermediate or Expert (nor a LOM difficulty that maps to one)");
}

std::string listed(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += "\n  " + l;
    return out;
}

// The pictures to copy: new files only; a different file of the same name
// in the product is refused.
std::map<fs::path, fs::path> picturePlan(const fs::path& product, const std::vector<Question>& questions) {
    std::map<fs::path, fs::path> plan;  // target -> source
    const fs::path folder = product / "files" / kPictureUri;
    for (const auto& q : questions)
        for (const PictureRef* p : q.pictures()) {
            const fs::path target = folder / p->file;
            if (const auto it = plan.find(target); it != plan.end()) {
                std::string a, b;
                if (it->second != p->source && (!readWholeFile(it->second, a) || !readWholeFile(p->source, b) || a != b))
                    throw PackError("two different pictures would both be named \"" + p->file + "\"");
                continue;
            }
            if (fs::exists(target)) {
                std::string a, b;
                if (!readWholeFile(target, a) || !readWholeFile(p->source, b) || a != b)
                    throw PackError("the product already has a different picture \"files/" + std::string(kPictureUri) +
                                    "/" + p->file + "\"; nothing changed");
                continue;
            }
            plan.emplace(target, p->source);
        }
    // Identical pictures already in the product stay as they are.
    std::erase_if(plan, [](const auto& entry) { return fs::exists(entry.first); });
    return plan;
}

// Every item of the sources, converted, or the reason it is not.
struct Converted {
    std::vector<Question> questions;
    std::vector<std::string> refused;
    std::string title;  // the first assessmentTest title
};

// ZIPs are unpacked into `stagings`, which must outlive the pictures' copying.
Converted convertSources(const ImportOptions& o, const ProductFiles& files,
                         std::vector<std::unique_ptr<Staging>>& stagings) {
    Converted c;
    for (const auto& source : o.sources) {
        stagings.push_back(std::make_unique<Staging>());
        const Package package = openPackage(source, stagings.back()->path());
        if (c.title.empty()) c.title = package.testTitle;
        for (const auto& item : package.items) {
            try {
                Question q = convertItem(item);
                place(q, o, files.objectives());
                c.questions.push_back(std::move(q));
            } catch (const ItemRefused& e) {
                c.refused.push_back(e.what());
            }
        }
    }
    return c;
}

// An item imported before refuses the whole import; a statement the bank
// already has refuses its item.
void refuseRepeats(const ProductFiles& files, const std::string& test, Converted& c) {
    std::vector<std::string> already;
    std::set<std::string> ids;
    for (const auto& q : c.questions) {
        const std::string id = questionIdFor(q.identifier);
        if (!ids.insert(id).second) throw PackError("two items would both become question \"" + id + "\"; nothing changed");
        if (files.hasQuestion(id)) already.push_back(itemName(q.identifier) + " is already question \"" + id + "\"");
    }
    if (!already.empty())
        throw PackError(std::to_string(already.size()) + " item(s) were imported before; nothing changed" + listed(already));
    // A re-take of wrong answers tells the bank's questions apart by their statement.
    if (test == "Quiz") return;
    std::map<std::string, std::string> owner = files.bankStatements();
    std::erase_if(c.questions, [&](const Question& q) {
        const auto [it, fresh] = owner.emplace(q.statement, questionIdFor(q.identifier));
        if (!fresh) c.refused.push_back(itemName(q.identifier) + " has the same statement as question \"" + it->second + "\"");
        return !fresh;
    });
}

void copyPictures(const fs::path& product, const std::map<fs::path, fs::path>& pictures) {
    if (!pictures.empty()) fs::create_directories(product / "files" / kPictureUri);
    for (const auto& [target, source] : pictures) {
        std::string bytes;
        if (!readWholeFile(source, bytes)) throw PackError("\"" + source.string() + "\" cannot be read");
        writeFileAtomically(target, bytes);
    }
}

int checkAfterImport(const fs::path& product, std::ostream& out) {
    const auto findings = checkProduct(product);
    printFindings(findings, out);
    if (findings.empty()) {
        out << "check: " << product.string() << ": no findings\n";
        return kImported;
    }
    out << "check: " << findings.size() << " finding(s) after the import\n";
    return kImportedWithFindings;
}

}  // namespace

int importQti(const ImportOptions& o, std::ostream& out) {
    if (!o.level.empty() && !isLevel(o.level)) throw PackError("--level must be Beginner, Intermediate or Expert");
    ProductFiles files(o.product);
    if (!o.objective.empty() &&
        std::find(files.objectives().begin(), files.objectives().end(), o.objective) == files.objectives().end())
        throw PackError("--objective \"" + o.objective + "\" is none of the product's objectives (data/Product.xml)");

    std::vector<std::unique_ptr<Staging>> stagings;
    Converted c = convertSources(o, files, stagings);
    const std::string test = o.test.empty() ? c.title : o.test;
    if (test.empty()) throw PackError("name the test with --test: the source has no assessmentTest with a title");
    refuseRepeats(files, test, c);
    if (!c.refused.empty() && !o.skipUnsupported)
        throw PackError(std::to_string(c.refused.size()) + " item(s) cannot be imported; nothing changed" +
                        listed(c.refused) + "\n(--skip-unsupported imports the others)");
    if (!c.refused.empty()) out << "skipped " << c.refused.size() << " item(s):" << listed(c.refused) << "\n";
    if (c.questions.empty()) throw PackError("no item to import");

    std::vector<Placed> placed;
    for (const auto& q : c.questions) placed.push_back({questionIdFor(q.identifier), &q});
    const auto pictures = picturePlan(o.product, c.questions);
    const bool made = files.add(test, placed);
    copyPictures(o.product, pictures);
    files.write();

    std::map<std::string, int> perKind;
    for (const auto& q : c.questions) ++perKind[q.kind];
    out << "imported " << c.questions.size() << " question(s) into " << (made ? "the new test" : "test") << " \"" << test
        << "\":";
    for (const auto& [kind, n] : perKind) out << " " << n << " " << kind << ";";
    out << " " << pictures.size() << " picture(s) copied to files/" << kPictureUri << "\n";
    for (const auto& q : c.questions)
        for (const auto& note : q.notes) out << "note: " << note << "\n";
    return checkAfterImport(o.product, out);
}

}  // namespace examsim::pack::qti
