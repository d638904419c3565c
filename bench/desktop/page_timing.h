#pragma once
#include <functional>
#include <vector>

class QWebEnginePage;

namespace examsim {

class WebEnvironment;

// Runs the event loop until `done` holds.
void spin(const std::function<bool()>& done);
// One animation frame after the condition: the page has drawn it.
void drawn(QWebEnginePage* page);
// A bare page loaded and drawn in the program's own web profile, in ms: the
// baseline each screen is measured against in the same run.
double barePageMs(WebEnvironment& web);
double median(std::vector<double> v);

}  // namespace examsim
