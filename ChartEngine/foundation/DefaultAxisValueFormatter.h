#pragma once

#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/NumberFormatter.h"

#include <functional>
#include <memory>
#include <optional>

namespace Charts {

// The formatter every axis uses until it is given another: a number formatter whose fraction
// digits the axis sets from its label interval while `hasAutoDecimals` is on, or a user
// function that alone decides the text.
class DefaultAxisValueFormatter : public AxisValueFormatter {
public:
    using Block = std::function<QString(double value, const AxisBase* axis)>;

    // A number formatter without grouping and without decimals, automatic decimals on: it
    // shows whole numbers until the axis hands it its digits.
    DefaultAxisValueFormatter();
    // `decimals` fraction digits, grouping on, automatic decimals.
    explicit DefaultAxisValueFormatter(int decimals);
    // The given number formatter as it is (shared, not copied); no automatic decimals.
    explicit DefaultAxisValueFormatter(std::shared_ptr<NumberFormatter> formatter);
    // The function writes every label; no number formatter, no automatic decimals.
    explicit DefaultAxisValueFormatter(Block block);

    static std::shared_ptr<DefaultAxisValueFormatter> withBlock(Block block);

    const Block& block() const { return m_block; }
    void setBlock(Block block) { m_block = std::move(block); }

    bool hasAutoDecimals() const { return m_hasAutoDecimals; }
    void setHasAutoDecimals(bool on) { m_hasAutoDecimals = on; }

    const std::shared_ptr<NumberFormatter>& formatter() const { return m_formatter; }
    // A formatter chosen by hand keeps its digits: automatic decimals turn off.
    void setFormatter(std::shared_ptr<NumberFormatter> formatter);

    std::optional<int> decimals() const { return m_decimals; }
    // Stores the count; unless it is none, the number formatter (if any) gets exactly that
    // many fraction digits and grouping on.
    void setDecimals(std::optional<int> decimals);

    QString stringForValue(double value, const AxisBase* axis) const override;

private:
    Block m_block;
    bool m_hasAutoDecimals = false;
    std::shared_ptr<NumberFormatter> m_formatter;
    std::optional<int> m_decimals;
};

}
