#pragma once
// A generated question bank and answer document for the bank benchmarks:
// n practice questions in tests of 500, ten topics, the three levels and the
// three marked question kinds in turn.
#include <string>

namespace examsim::bench {

inline const char* levelOf(int i) {
    static const char* levels[] = {"Beginner", "Intermediate", "Intermediate", "Expert"};
    return levels[i % 4];
}

inline std::string topicOf(int i) { return "Objective " + std::to_string(i % 10); }

inline std::string generatedBank(int n) {
    static const char* kinds[] = {"Single Choice", "Multiple Choice", "Fill in the blank"};
    std::string s = "<QuestionBank>";
    for (int i = 0; i < n; ++i) {
        if (i % 500 == 0) {
            if (i) s += "</Test>";
            s += "<Test name=\"Practice " + std::to_string(i / 500 + 1) +
                 "\" test_type=\"PracticeTest\" time=\"3600\"><property timed=\"1\"/>";
        }
        s += "<item questionId=\"Q" + std::to_string(i) + "\" type=\"" + kinds[i % 3] + "\" topic=\"" + topicOf(i) +
             "\" level=\"" + levelOf(i) + "\" category=\"" + topicOf(i) +
             "\" total_marks=\"1\"><statement>Which mask gives 62 usable host addresses per subnet?</statement>"
             "<responses><response name=\"A\">/26</response><response name=\"B\">/27</response>"
             "<response name=\"C\">/25</response></responses></item>";
    }
    return s + (n ? "</Test>" : "") + "</QuestionBank>";
}

inline std::string generatedAnswers(int n) {
    std::string s = "<Answers>";
    for (int i = 0; i < n; ++i) {
        const std::string id = "Q" + std::to_string(i);
        if (i % 3 == 0) s += "<Ans quid=\"" + id + "\">A</Ans>";
        if (i % 3 == 1) s += "<Ans quid=\"" + id + "\"><c>A</c><c>C</c></Ans>";
        if (i % 3 == 2) s += "<Ans quid=\"" + id + "\"><response name=\"x\">/26</response></Ans>";
    }
    return s + "</Answers>";
}

}  // namespace examsim::bench
