#pragma once
#include <filesystem>
#include <string>

namespace examsim {

// The two page viewers as the screens that open them see them. Each closes a
// viewer of its kind that is already open before it opens the page.
class PageViewers {
public:
    virtual ~PageViewers() = default;
    // frmBrowser on an enciphered page, modeless; the mode screen comes back
    // when it closes.
    virtual void showHtmlPage(const std::filesystem::path& document, const std::string& caption) = 0;
    // frmPrint on a plain page or printable document, modeless.
    virtual void showPrintablePage(const std::filesystem::path& document, const std::string& caption) = 0;
};

}  // namespace examsim
