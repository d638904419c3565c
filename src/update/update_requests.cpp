#include "update/update_requests.h"

#include "core/encoding.h"
#include "update/update_host.h"


namespace examsim {
namespace {

bool startsWithPk(std::string_view head) {
    return head.size() >= 2 && (head[0] == 'P' || head[0] == 'p') && (head[1] == 'K' || head[1] == 'k');
}

// Length of the longest prefix of `s` that is whole UTF-8.
std::size_t validUtf8Prefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return i;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return i;
        i += n;
    }
    return i;
}

// Servers answer in UTF-8 or in the old Windows code page. When the text
// was cut short, a character cut in two at the end is dropped.
std::string shownText(std::string_view head, bool cut) {
    const std::size_t valid = validUtf8Prefix(head);
    if (valid == head.size()) return std::string(head);
    if (cut && head.size() - valid <= 3 && static_cast<unsigned char>(head[valid]) >= 0xC0 &&
        validUtf8Prefix(head.substr(valid)) == 0)
        return std::string(head.substr(0, valid));
    return cp1252ToUtf8(head);
}

}  // namespace

TextAnswer getText(const std::string& url, const RequestLimits& limits, const std::atomic<bool>* cancel) {
    TextAnswer answer;
    answer.result = httpGet(url, limits, [&answer](std::string_view piece) {
        answer.body.append(piece);
        return true;
    }, cancel);
    return answer;
}

TextAnswer fetchText(WorkRunner& work, const std::string& url, const RequestLimits& limits,
                     const std::atomic<bool>* cancel) {
    TextAnswer answer;
    work.waitFor([&] { answer = getText(url, limits, cancel); });
    return answer;
}

void Download::keep() {
    if (!file) throw FileWriteError("nothing was downloaded to keep");
    file->commit();
    file.reset();
}

Download downloadPackage(WorkRunner& work, const std::string& url, const std::filesystem::path& target,
                         const UpdateLimits& limits, const std::atomic<bool>* cancel) {
    Download d;
    try {
        std::filesystem::create_directories(target.parent_path());
        d.file = std::make_unique<AtomicFileWriter>(target);
    } catch (const std::exception& e) {
        d.result.error = e.what();
        return d;
    }
    // The start of the body decides what it is; the rest only streams to disk.
    std::string head;
    bool storeFailed = false;
    work.waitFor([&] {
        d.result = httpGet(url, limits.package, [&](std::string_view piece) {
            if (head.size() < limits.shownTextBytes) head.append(piece.substr(0, limits.shownTextBytes - head.size()));
            try {
                d.file->append(piece);
                return true;
            } catch (const FileWriteError&) {
                storeFailed = true;
                return false;
            }
        }, cancel);
    });
    if (storeFailed) d.file.reset();  // the writer already removed its temporary
    if (d.result.ok() && startsWithPk(head)) {
        d.zip = true;
        return d;
    }
    d.file.reset();
    if (d.result.ok()) d.text = shownText(head, d.result.bodyBytes > head.size());
    return d;
}

}  // namespace examsim
