#pragma once

#include <memory>

namespace Charts {

class Highlight;

// What a chart view asks to turn a touch into a selected value.
class Highlighter {
public:
    virtual ~Highlighter() = default;

    // The highlight of the value under the view point (x, y), or none.
    virtual std::shared_ptr<Highlight> getHighlight(double x, double y) const = 0;
};

}
