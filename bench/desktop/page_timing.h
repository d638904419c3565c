#pragma once
#include <filesystem>
#include <functional>
#include <string>
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

// A scratch folder named after the benchmark, holding the sample product
// assembled into app/ and a private runtime folder, with the environment set
// for an offscreen web engine. Empty when assembling failed.
std::filesystem::path assembledBenchFolder(const std::string& name, const char* pack, const char* product);

}  // namespace examsim
