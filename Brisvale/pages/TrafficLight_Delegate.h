#pragma once

class ConditionProcess;

// What the best-value sheet needs of the page that opens it (the Data page): the hub of its
// data pages, told when the best value changed so the PEF chart's zones follow it.
class TrafficLight_Delegate {
public:
    virtual ~TrafficLight_Delegate() = default;

    virtual ConditionProcess& condition() = 0;
};
