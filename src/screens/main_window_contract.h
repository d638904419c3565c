// What frmMDIMain's window and its logic agree on: the menu entries by name.
#pragma once
#include <string>

namespace examsim::main_window_contract {

inline constexpr const char* kScreen = "frmMDIMain";

namespace menu {
inline constexpr const char* File = "mnuFile";
inline constexpr const char* MockExam = "mnuMockExam";
inline constexpr const char* Diagnostic = "mnuDiagnostic";
inline constexpr const char* PracticeExam = "mnuPracticeExam";  // holds the items of mnuPractice
inline constexpr const char* Final = "mnuFinal";
inline constexpr const char* Customized = "mnuCustomized";
inline constexpr const char* Quiz = "mnuQuiz";
inline constexpr const char* Report = "mnuReport";
inline constexpr const char* PerHistory = "mnuPerHistory";
inline constexpr const char* ResetAll = "mnuResetAll";
inline constexpr const char* Sep1 = "mnuSep1";
inline constexpr const char* Exit = "mnuExit";
inline constexpr const char* Help = "mnuHelp";
inline constexpr const char* QuickRevision = "mnuQuickRevision";
inline constexpr const char* Content = "mnuContent";
inline constexpr const char* AboutVostraneExam = "mnuAboutVostraneExam";
inline constexpr const char* Cert = "menuCert";

// Item i of the menu-item group mnuPractice, from 1.
inline constexpr const char* PracticePrefix = "mnuPractice(";
inline std::string practice(int i) { return PracticePrefix + std::to_string(i) + ")"; }
}  // namespace menu

}  // namespace examsim::main_window_contract
