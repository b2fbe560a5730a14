#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRenderer.h"

#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace Charts {
namespace {

using AxisTest::chartHandler;
using AxisTest::chartTransformer;

TEST(XAxisRenderer, LabelSizeIsTheLongestLabelsAndItsRotatedBox)
{
    auto axis = std::make_shared<XAxis>();
    axis->setLabelCount(5);
    axis->setLabelRotationAngle(90);
    XAxisRenderer(chartHandler(), axis, nullptr).computeAxisValues(0, 1000);

    TextAttributes attributes;
    attributes.font = axis->labelFont();
    const QSizeF longest = textSize(QStringLiteral("1,000"), attributes);
    EXPECT_EQ(axis->labelWidth(), longest.width());
    EXPECT_EQ(axis->labelHeight(), longest.height());
    EXPECT_NEAR(axis->labelRotatedWidth(), longest.height(), 1e-9);
    EXPECT_NEAR(axis->labelRotatedHeight(), longest.width(), 1e-9);
}

// Records the labels instead of drawing them.
class RecordingXAxisRenderer : public XAxisRenderer {
public:
    using XAxisRenderer::XAxisRenderer;
    void drawLabel(QPainter&, const QString& formattedLabel, double, double,
                   const TextAttributes&, QSizeF, QPointF, double) override
    {
        labels.append(formattedLabel);
    }
    QStringList labels;
};

// The rounded end bound lets one value more in than were counted (8 entries, 7 counted): the
// entry without a centred position gets no label.
TEST(XAxisRenderer, CentredLabelsSkipAnEntryWithoutACentredPosition)
{
    const auto handler = chartHandler();
    auto axis = std::make_shared<XAxis>();
    axis->setLabelCount(5);
    axis->setCenterAxisLabelsEnabled(true);
    RecordingXAxisRenderer renderer(handler, axis, chartTransformer(handler, 0.5, 1.5, 0, 1));
    renderer.computeAxisValues(0.64, 1.119);
    renderer.computeAxisValues(0.64, 1.119);
    ASSERT_EQ(axis->entries().size(), 8);
    ASSERT_EQ(axis->centeredEntries().size(), 7);

    QImage canvas(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    renderer.renderAxisLabels(painter);
    EXPECT_EQ(renderer.labels, (QStringList{"0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2"}));
}

TEST(XAxisRenderer, LimitLineLabelStandsBesideTheLineAtTheContentEdge)
{
    // The line at x 100 stands at pixel 140; the gap is the line width 2 plus xOffset 5, and
    // the label is yOffset 5 + 2 inside the content's top or bottom edge.
    const double lineHeight = fontLineHeight(systemFont(13));
    AxisTest::expectLimitLineLabelsAt<XAxis, XAxisRenderer>({
        {ChartLimitLine::LabelPosition::leftTop, {133, 27}, TextAlignment::Right},
        {ChartLimitLine::LabelPosition::leftBottom, {133, 243 - lineHeight}, TextAlignment::Right},
        {ChartLimitLine::LabelPosition::rightTop, {147, 27}, TextAlignment::Left},
        {ChartLimitLine::LabelPosition::rightBottom, {147, 243 - lineHeight}, TextAlignment::Left},
    });
}

}
}
