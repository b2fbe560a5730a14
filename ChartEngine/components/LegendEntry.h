#pragma once

#include "ChartEngine/components/LegendForm.h"

#include <QColor>
#include <QList>
#include <QString>

#include <limits>
#include <memory>
#include <optional>

namespace Charts {

// One entry of a legend: a coloured form and an optional label. Style values that are
// not-a-number (or absent) take the legend's own. An entry without label is stacked with the
// entries that follow it. Held by std::shared_ptr.
class LegendEntry {
public:
    LegendEntry() = default;
    explicit LegendEntry(std::optional<QString> label);
    virtual ~LegendEntry() = default;
    LegendEntry(const LegendEntry&) = delete;
    LegendEntry& operator=(const LegendEntry&) = delete;

    // Present even when empty: an empty label still reserves the form's room.
    virtual std::optional<QString> label() const { return m_label; }
    virtual void setLabel(std::optional<QString> label) { m_label = std::move(label); }
    // Absent: the legend's text colour.
    virtual std::optional<QColor> labelColor() const { return m_labelColor; }
    virtual void setLabelColor(std::optional<QColor> color) { m_labelColor = color; }
    // legendDefault: the legend's form.
    virtual LegendForm form() const { return m_form; }
    virtual void setForm(LegendForm form) { m_form = form; }
    virtual double formSize() const { return m_formSize; }
    virtual void setFormSize(double size) { m_formSize = size; }
    virtual double formLineWidth() const { return m_formLineWidth; }
    virtual void setFormLineWidth(double width) { m_formLineWidth = width; }
    virtual double formLineDashPhase() const { return m_formLineDashPhase; }
    virtual void setFormLineDashPhase(double phase) { m_formLineDashPhase = phase; }
    virtual std::optional<QList<double>> formLineDashLengths() const { return m_formLineDashLengths; }
    virtual void setFormLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_formLineDashLengths = std::move(lengths);
    }
    // Absent (or the clear colour): the form's room stays empty.
    virtual std::optional<QColor> formColor() const { return m_formColor; }
    virtual void setFormColor(std::optional<QColor> color) { m_formColor = color; }

private:
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    std::optional<QString> m_label;
    std::optional<QColor> m_labelColor;
    LegendForm m_form = LegendForm::legendDefault;
    double m_formSize = nan;
    double m_formLineWidth = nan;
    double m_formLineDashPhase = 0.0;
    std::optional<QList<double>> m_formLineDashLengths;
    std::optional<QColor> m_formColor;
};

using LegendEntryList = QList<std::shared_ptr<LegendEntry>>;

}
