#pragma once

#include <memory>

namespace Charts {

class ViewPortHandler;

// Anything that draws into a chart's content area: axis, legend and data renderers.
class Renderer {
public:
    virtual ~Renderer() = default;

    virtual std::shared_ptr<ViewPortHandler> viewPortHandler() const = 0;
};

}
