#include "product_sources.h"

#include "pack_error.h"

#include "core/atomic_file.h"
#include "core/file_io.h"
#include "core/xml.h"

#include <map>
#include <sstream>

namespace examsim::pack::qti {
namespace fs = std::filesystem;

namespace {

constexpr unsigned kSourceParse = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                  pugi::parse_ws_pcdata | pugi::parse_doctype | pugi::parse_pi;

bool load(pugi::xml_document& doc, const fs::path& file, bool optional) {
    std::string text;
    if (!readWholeFile(file, text)) {
        if (optional && !fs::exists(file)) return false;
        throw PackError("\"" + file.string() + "\" cannot be read");
    }
    const auto r = doc.load_buffer(text.data(), text.size(), kSourceParse, pugi::encoding_utf8);
    if (!r || !doc.document_element())
        throw PackError("\"" + file.string() + "\" does not parse (" + r.description() + " at byte " +
                        std::to_string(r.offset) + ")");
    return true;
}

// The blanks after the last line break of the text before `node`.
std::string indentBefore(const pugi::xml_node& node) {
    const pugi::xml_node prev = node.previous_sibling();
    if (!prev || prev.type() != pugi::node_pcdata) return {};
    const std::string ws = prev.value();
    if (ws.find_first_not_of(" \t\r\n") != std::string::npos) return {};
    const auto nl = ws.rfind('\n');
    return nl == std::string::npos ? std::string() : ws.substr(nl + 1);
}

std::string childIndent(const pugi::xml_node& parent) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element) {
            const pugi::xml_node prev = c.previous_sibling();
            if (prev && prev.type() == pugi::node_pcdata && std::string(prev.value()).find('\n') != std::string::npos)
                return indentBefore(c);
        }
    return indentBefore(parent) + "  ";
}

void setNumber(pugi::xml_node test, const char* name, int add) {
    pugi::xml_attribute a = test.attribute(name);
    if (!a) a = test.append_attribute(name);
    a.set_value(a.as_int() + add);
}

pugi::xml_node findTest(const pugi::xml_document& doc, const std::string& name) {
    for (pugi::xml_node t : doc.document_element().children("Test"))
        if (name == t.attribute("name").value()) return t;
    return {};
}

pugi::xml_node lastElement(const pugi::xml_node& parent) {
    pugi::xml_node last;
    for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element) last = c;
    return last;
}

}  // namespace

pugi::xml_node insertIndented(pugi::xml_node parent, pugi::xml_node after, const pugi::xml_node& fragment, bool oneLine) {
    const std::string indent = childIndent(parent);
    // Children step in as the parent's children do; text is printed as it is.
    const std::string outer = indentBefore(parent);
    std::string unit = indent.rfind(outer, 0) == 0 && indent.size() > outer.size() ? indent.substr(outer.size()) : "  ";
    unsigned depth = static_cast<unsigned>(indent.size() / unit.size());
    std::string repeated;
    for (unsigned i = 0; i < depth; ++i) repeated += unit;
    if (repeated != indent) oneLine = true;
    std::ostringstream printed;
    fragment.print(printed, unit.c_str(), oneLine ? pugi::format_raw : pugi::format_indent, pugi::encoding_utf8, depth);
    std::string shifted = printed.str();
    shifted.erase(0, shifted.find('<'));
    while (!shifted.empty() && shifted.back() == '\n') shifted.pop_back();
    pugi::xml_document piece;
    piece.load_buffer(shifted.data(), shifted.size(), pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_utf8);
    const std::string lineBreak = "\n" + indent;

    pugi::xml_node first;
    for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element && !first) first = c;
    pugi::xml_node copy;
    if (after) {
        parent.insert_child_after(pugi::node_pcdata, after).set_value(lineBreak.c_str());
        copy = parent.insert_copy_after(piece.document_element(), after.next_sibling());
    } else if (first) {
        copy = parent.insert_copy_before(piece.document_element(), first);
        parent.insert_child_after(pugi::node_pcdata, copy).set_value(lineBreak.c_str());
    } else {
        const std::string closing = "\n" + indentBefore(parent);
        for (pugi::xml_node c = parent.first_child(); c;) {  // blanks alone inside an empty element
            const pugi::xml_node next = c.next_sibling();
            if (c.type() == pugi::node_pcdata) parent.remove_child(c);
            c = next;
        }
        parent.append_child(pugi::node_pcdata).set_value(lineBreak.c_str());
        copy = parent.append_copy(piece.document_element());
        parent.append_child(pugi::node_pcdata).set_value(closing.c_str());
    }
    return copy;
}

std::string sourceText(const pugi::xml_document& doc) {
    std::ostringstream out;
    for (pugi::xml_node n : doc.children()) {
        n.print(out, "", pugi::format_raw, pugi::encoding_utf8);
        out << "\n";
    }
    return out.str();
}

ProductFiles::ProductFiles(fs::path product) : folder_(std::move(product)) {
    pugi::xml_document productDoc;
    load(productDoc, folder_ / "data" / "Product.xml", false);
    load(bank_, folder_ / "data" / "QuestionBank.xml", false);
    load(answers_, folder_ / "data" / "Answers.xml", false);
    if (!load(quiz_, folder_ / "data" / "Quiz.xml", true)) quiz_.reset();
    for (const auto& o : productDoc.select_nodes("//objective")) objectives_.push_back(o.node().attribute("name").value());
}

bool ProductFiles::hasQuestion(const std::string& questionId) const {
    for (const auto* doc : {&bank_, &quiz_})
        for (pugi::xml_node t : doc->document_element().children("Test"))
            for (pugi::xml_node i : t.children("item"))
                if (questionId == i.attribute("questionId").value()) return true;
    return false;
}

std::map<std::string, std::string> ProductFiles::bankStatements() const {
    std::map<std::string, std::string> owner;
    for (pugi::xml_node t : bank_.document_element().children("Test"))
        for (pugi::xml_node i : t.children("item"))
            owner.emplace(textContent(i.child("statement")), i.attribute("questionId").value());
    return owner;
}

bool ProductFiles::add(const std::string& name, const std::vector<Placed>& questions) {
    const bool quiz = name == "Quiz";
    pugi::xml_document& doc = quiz ? quiz_ : bank_;
    if (!doc.document_element()) {
        pugi::xml_node decl = doc.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "windows-1252";
        doc.append_child("QuestionBank");
    }
    (quiz ? quizChanged_ : bankChanged_) = true;
    pugi::xml_node test = findTest(doc, name);
    const bool made = !test;
    if (made) {
        pugi::xml_document fresh;
        pugi::xml_node t = fresh.append_child("Test");
        t.append_attribute("name") = name.c_str();
        if (name.rfind("Practice", 0) == 0) t.append_attribute("test_type") = "PracticeTest";
        t.append_attribute("time") = 0;
        t.append_attribute("time_remaining") = 0;
        t.append_child("property");
        test = insertIndented(doc.document_element(), lastElement(doc.document_element()), t, false);
    }
    std::map<std::string, const Question*> fresh;
    for (const auto& p : questions) {
        pugi::xml_document piece;
        writeItem(piece, *p.question, p.questionId, quiz ? Form::Quiz : Form::Bank);
        insertIndented(test, lastElement(test), piece.document_element(), false);
        setNumber(test, "time", p.question->seconds);
        setNumber(test, "time_remaining", p.question->seconds);
        fresh[p.questionId] = p.question;
    }
    if (quiz) return made;

    // Answers of these questions can only be left over from a run stopped
    // before it wrote the bank: they give way to the new ones.
    for (pugi::xml_node a = answers_.document_element().first_child(); a;) {
        const pugi::xml_node next = a.next_sibling();
        if (a.type() == pugi::node_element && fresh.count(a.attribute("quid").value())) {
            if (const pugi::xml_node blank = a.previous_sibling();
                blank.type() == pugi::node_pcdata && std::string(blank.value()).find_first_not_of(" \t\r\n") == std::string::npos)
                answers_.document_element().remove_child(blank);
            answers_.document_element().remove_child(a);
        }
        a = next;
    }
    // Answers follow bank order: each new one goes after the answer of the
    // question before it.
    std::map<std::string, pugi::xml_node> answerOf;
    for (pugi::xml_node a : answers_.document_element().children("Ans"))
        answerOf.emplace(a.attribute("quid").value(), a);
    pugi::xml_node previous;
    for (pugi::xml_node t : bank_.document_element().children("Test"))
        for (pugi::xml_node i : t.children("item")) {
            const std::string id = i.attribute("questionId").value();
            if (const auto q = fresh.find(id); q != fresh.end()) {
                pugi::xml_document piece;
                writeAnswer(piece, *q->second, id);
                previous = insertIndented(answers_.document_element(), previous, piece.document_element(), true);
            } else if (const auto a = answerOf.find(id); a != answerOf.end()) {
                previous = a->second;
            }
        }
    return made;
}

void ProductFiles::write() const {
    const fs::path data = folder_ / "data";
    if (bankChanged_) {
        writeFileAtomically(data / "Answers.xml", sourceText(answers_));
        writeFileAtomically(data / "QuestionBank.xml", sourceText(bank_));
    }
    if (quizChanged_) writeFileAtomically(data / "Quiz.xml", sourceText(quiz_));
}

}  // namespace examsim::pack::qti
