#pragma once
#include "qti_question.h"

#include <string>

namespace examsim::pack::qti {

// How the coordinates of an interaction's picture map onto the file's own
// pixels: the object may be drawn at another size than the file has.
struct Scale {
    double x = 1, y = 1;
};

// The rectangle of a QTI shape ("rect", "circle", "ellipse", "poly") with its
// coords, in file pixels. A circle, ellipse or polygon becomes its bounding
// rectangle and `approximated` is set. False for another shape or coords that
// do not fit it.
bool shapeRect(const std::string& shape, const std::string& coords, const Scale& scale, Rect& out,
               bool& approximated);

// True when the two rectangles share more than an edge.
bool overlap(const Rect& a, const Rect& b);

}  // namespace examsim::pack::qti
