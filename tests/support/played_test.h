#pragma once
#include <string>
#include <vector>

namespace examsim::test {

// One question of a played test, as the question movie leaves it.
struct PlayedQuestion {
    std::string totalMarks = "1";
    std::string category = "A";
    bool attempted = true;          // user_attempts comes first in the report
    bool answered = true;           // a user_attempt_report exists at all
    std::string marksScored = "1";  // empty: no marks_scored element
    std::string questionId;         // default: q1, q2, ... by position
    std::string bookmark;           // value of a bookmark mark; empty: none
};

// A played test document: root Test with the name, a property, then the items.
std::string playedTestXml(const std::vector<PlayedQuestion>& questions, const std::string& name = "Final");

// n questions of one mark each, the first `scored` of them answered right.
std::vector<PlayedQuestion> oneMarkQuestions(int n, int scored);

// A product document with a pass percentage, result bands and objectives.
std::string productXml(int passPercentage, const std::vector<std::string>& objectives = {"A", "B"});

}  // namespace examsim::test
