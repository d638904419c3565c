#include "qti_shape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace examsim::pack::qti {

namespace {

bool numbers(const std::string& text, std::vector<double>& out) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        const std::string part = text.substr(at, end - at);
        char* stop = nullptr;
        const double v = std::strtod(part.c_str(), &stop);
        if (stop == part.c_str() || part.find_first_not_of(" \t", static_cast<std::size_t>(stop - part.c_str())) !=
                                        std::string::npos)
            return false;
        out.push_back(v);
        at = end + 1;
    }
    return !out.empty();
}

}  // namespace

bool shapeRect(const std::string& shape, const std::string& coords, const Scale& scale, Rect& out,
               bool& approximated) {
    std::vector<double> n;
    if (!numbers(coords, n)) return false;
    double left = 0, top = 0, right = 0, bottom = 0;
    approximated = shape != "rect";
    if (shape == "rect" && n.size() == 4) {
        left = std::min(n[0], n[2]), right = std::max(n[0], n[2]);
        top = std::min(n[1], n[3]), bottom = std::max(n[1], n[3]);
    } else if (shape == "circle" && n.size() == 3 && n[2] > 0) {
        left = n[0] - n[2], right = n[0] + n[2], top = n[1] - n[2], bottom = n[1] + n[2];
    } else if (shape == "ellipse" && n.size() == 4 && n[2] > 0 && n[3] > 0) {
        left = n[0] - n[2], right = n[0] + n[2], top = n[1] - n[3], bottom = n[1] + n[3];
    } else if (shape == "poly" && n.size() >= 6 && n.size() % 2 == 0) {
        left = right = n[0], top = bottom = n[1];
        for (std::size_t i = 0; i < n.size(); i += 2) {
            left = std::min(left, n[i]), right = std::max(right, n[i]);
            top = std::min(top, n[i + 1]), bottom = std::max(bottom, n[i + 1]);
        }
    } else {
        return false;
    }
    left = std::max(0.0, left), top = std::max(0.0, top);
    out.x = static_cast<int>(std::lround(left * scale.x));
    out.y = static_cast<int>(std::lround(top * scale.y));
    out.width = static_cast<int>(std::lround(right * scale.x)) - out.x;
    out.height = static_cast<int>(std::lround(bottom * scale.y)) - out.y;
    return out.width > 0 && out.height > 0;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace examsim::pack::qti
