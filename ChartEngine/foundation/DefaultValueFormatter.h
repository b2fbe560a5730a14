#pragma once

#include "ChartEngine/foundation/NumberFormatter.h"
#include "ChartEngine/foundation/ValueFormatter.h"

#include <functional>
#include <memory>
#include <optional>

namespace Charts {

// The value formatter every data set uses until it is given another: a number formatter with
// a chosen count of fraction digits and grouping, or a user function that alone decides the
// text. The chart view resizes the digits of a formatter with automatic decimals to its data.
class DefaultValueFormatter : public ValueFormatter {
public:
    using Block = std::function<QString(double value, const ChartDataEntry* entry,
                                        qint64 dataSetIndex,
                                        const ViewPortHandler* viewPortHandler)>;

    // One fraction digit, grouping on, automatic decimals.
    DefaultValueFormatter();
    // `decimals` fraction digits, grouping on, automatic decimals.
    explicit DefaultValueFormatter(int decimals);
    // The given number formatter as it is (shared, not copied); no automatic decimals.
    explicit DefaultValueFormatter(std::shared_ptr<NumberFormatter> formatter);
    // The function writes every label; no number formatter, no automatic decimals.
    explicit DefaultValueFormatter(Block block);

    static std::shared_ptr<DefaultValueFormatter> withBlock(Block block);

    const Block& block() const { return m_block; }
    void setBlock(Block block) { m_block = std::move(block); }

    bool hasAutoDecimals() const { return m_hasAutoDecimals; }
    void setHasAutoDecimals(bool on) { m_hasAutoDecimals = on; }

    const std::shared_ptr<NumberFormatter>& formatter() const { return m_formatter; }
    void setFormatter(std::shared_ptr<NumberFormatter> formatter)
    {
        m_formatter = std::move(formatter);
    }

    std::optional<int> decimals() const { return m_decimals; }
    // Stores the count and, unless it is none, applies it to the number formatter.
    void setDecimals(std::optional<int> decimals);

    // Sets the number formatter (if any) to exactly `decimals` fraction digits with grouping
    // on; none changes nothing.
    void applyDecimals(std::optional<int> decimals);

    QString stringForValue(double value, const ChartDataEntry* entry, qint64 dataSetIndex,
                           const ViewPortHandler* viewPortHandler) const override;

private:
    Block m_block;
    bool m_hasAutoDecimals = false;
    std::shared_ptr<NumberFormatter> m_formatter;
    std::optional<int> m_decimals;
};

}
