#include "testrun/saved_exam.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/xml.h"
#include "core/movie_document.h"

namespace examsim {

std::filesystem::path savedExamPath(const AppContext& ctx) { return ctx.paths.resolve("\\Database\\savedexam"); }

bool saveTest(AppContext& ctx, const std::string& testXml, const std::string& position) {
    pugi::xml_document doc;
    if (!parseMovieXml(ctx, doc, testXml) || !doc.document_element()) {
        if (ctx.host.messages) ctx.host.messages->show("Error while loading question xml", msg::OkOnly | msg::Critical, "");
        return false;
    }
    setAttribute(doc.document_element(), "currentQuestionID", position);
    try {
        saveDataDocumentAt(ctx, doc, savedExamPath(ctx));
    } catch (const std::exception&) {
        if (ctx.host.messages) ctx.host.messages->show("The exam could not be saved.", msg::OkOnly | msg::Critical, kStandardTitle);
        return false;
    }
    return true;
}

bool loadSaveExam(AppContext& ctx) {
    const std::filesystem::path store = savedExamPath(ctx);
    bool parsed = false;
    try {
        parsed = static_cast<bool>(loadDataDocumentAt(ctx, store, ctx.savedExamDoc));
    } catch (const CryptError&) {
        return false;  // no saved exam: the mode screen checks for it and says so
    }
    if (!parsed || !ctx.savedExamDoc.document_element()) {
        showMessage(ctx, msgcode::TestDataUnreadable, msg::OkOnly);
        return false;
    }
    std::string xml = xmlText(ctx.savedExamDoc);
    // A saved test without a name resumes under an empty mode label.
    ctx.currentModeLabel = firstNamed(ctx.savedExamDoc, "Test").attribute("name").value();
    // The test file is written before the store is consumed, so a failed write keeps the saved exam.
    writeXMLFile(ctx, xml, currentTestFilePath(ctx), "loadSaveExam");
    deleteFile(ctx.paths, store);
    return true;
}

void saveQuestionXml(AppContext& ctx, std::string text) { writeXMLFile(ctx, text, currentTestFilePath(ctx), "saveQuestion2"); }

}  // namespace examsim
