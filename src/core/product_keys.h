#pragma once
#include <array>

namespace examsim::productkey {

// The keys of the product document, as the readers select them. "//name" is
// the first element of that name anywhere; "product/..." starts at the root.
inline constexpr const char* Sku = "//sku";
inline constexpr const char* Validate = "//validate";
inline constexpr const char* VersionCode = "//version_code";
inline constexpr const char* VersionType = "//version_type";
inline constexpr const char* ProductName = "//product-name";
inline constexpr const char* FullVersionName = "//full_version_name";
inline constexpr const char* Utp = "//utp";
inline constexpr const char* LiveUpdate = "//live_update";
inline constexpr const char* Help = "//help";
inline constexpr const char* Product = "//product";
inline constexpr const char* Screen = "//screen";
inline constexpr const char* Modes = "//modes";
inline constexpr const char* ExamInstruction = "//examinstruction";
inline constexpr const char* TestInstructions = "//test_instructions";
inline constexpr const char* Objectives = "//objectives";
inline constexpr const char* Testimonials = "//testmonials";
inline constexpr const char* ToolTipsTexts = "//tool_tips_texts";
inline constexpr const char* QuickRevisionNotes = "//quick_revision_notes";
inline constexpr const char* RootQuickRevisionNotes = "product/quick_revision_notes";
inline constexpr const char* RootTipsNTricks = "product/tips_n_tricks";
inline constexpr const char* RootOnlineTrainingHead = "product/online_training/head";
inline constexpr const char* RootOnlineResource = "product/online-resource";
inline constexpr const char* OnlineResources = "//online-resources";
inline constexpr const char* ForumLink = "//forum_link";
inline constexpr const char* OnlineSynchronizationLink = "//on_line_synchronization_link";
inline constexpr const char* Reports = "//reports";
inline constexpr const char* ResultAnalysis = "//reports/test_result_analysis";
inline constexpr const char* PassPercentage = "//reports/test_pass_percentage";
inline constexpr const char* RootPassPercentage = "product/reports/test_pass_percentage";
inline constexpr const char* RootMaxReports = "product/no_of_max_reports";

inline constexpr std::array kAll{
    Sku, Validate, VersionCode, VersionType, ProductName, FullVersionName, Utp, LiveUpdate, Help, Product,
    Screen, Modes, ExamInstruction, TestInstructions, Objectives, Testimonials, ToolTipsTexts,
    QuickRevisionNotes, RootQuickRevisionNotes, RootTipsNTricks, RootOnlineTrainingHead, RootOnlineResource,
    OnlineResources, ForumLink, OnlineSynchronizationLink, Reports, ResultAnalysis, PassPercentage,
    RootPassPercentage, RootMaxReports,
};

}  // namespace examsim::productkey
