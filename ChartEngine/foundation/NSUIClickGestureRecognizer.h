#pragma once

#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

#include <optional>

namespace Charts {

// A click of the left button: a press and a release within the platform's drag distance. A
// recogniser that requires one click answers single presses; one that requires two answers
// the press Qt reports as a double click. So the two clicks of a double click reach the
// single-click recogniser once: its second press belongs to the double click alone. The action
// hears `ended` at the release, with the release's location.
class NSUIClickGestureRecognizer : public NSUIGestureRecognizer {
public:
    using Action = std::function<void(NSUIClickGestureRecognizer&)>;

    explicit NSUIClickGestureRecognizer(Action action, int numberOfClicksRequired = 1);

    int numberOfClicksRequired() const { return m_numberOfClicksRequired; }
    void setNumberOfClicksRequired(int clicks) { m_numberOfClicksRequired = clicks; }

    bool handleEvent(QEvent& event) override;

protected:
    void reset() override;

private:
    int m_numberOfClicksRequired;
    // Where the press of a click being made was.
    std::optional<QPointF> m_pressPosition;
};

}
