#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIView.h"

#include "support/EventWait.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace Charts;

namespace {

// A chart view with its own elements, counting its paints.
class ElementView : public NSUIView {
public:
    Elements accessibilityChildren() const override { return elements; }

    Elements elements;
    int paints = 0;
    QRect lastPaintRect;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        lastPaintRect = event->rect();
        NSUIView::paintEvent(event);
    }
};

// Records what reaches the touch hooks; `passOn` hands the events to the default handling.
class TouchView : public NSUIView {
public:
    QStringList log;
    bool passOn = false;

protected:
    void nsuiTouchesBegan(const QList<QEventPoint>& touches, QTouchEvent* event) override
    {
        record(QStringLiteral("began"), touches);
        if (passOn) {
            NSUIView::nsuiTouchesBegan(touches, event);
        }
    }
    void nsuiTouchesMoved(const QList<QEventPoint>& touches, QTouchEvent* event) override
    {
        record(QStringLiteral("moved"), touches);
        if (passOn) {
            NSUIView::nsuiTouchesMoved(touches, event);
        }
    }
    void nsuiTouchesEnded(const QList<QEventPoint>& touches, QTouchEvent* event) override
    {
        record(QStringLiteral("ended"), touches);
        if (passOn) {
            NSUIView::nsuiTouchesEnded(touches, event);
        }
    }
    void nsuiTouchesCancelled(const QList<QEventPoint>& touches, QTouchEvent* event) override
    {
        record(QStringLiteral("cancelled"), touches);
        if (passOn) {
            NSUIView::nsuiTouchesCancelled(touches, event);
        }
    }
    void mousePressEvent(QMouseEvent* /*event*/) override { log << QStringLiteral("mouse press"); }

private:
    void record(const QString& phase, const QList<QEventPoint>& touches)
    {
        QString entry = phase;
        for (const QEventPoint& point : touches) {
            entry += QStringLiteral(" %1,%2").arg(point.position().x()).arg(point.position().y());
        }
        log << entry;
    }
};

QImage renderWithoutWindowBackground(NSUIView& view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}

TEST(NSUIView, BoundsAndOpacity)
{
    NSUIView view;
    view.resize(120, 80);
    EXPECT_EQ(view.bounds(), QRectF(0, 0, 120, 80));
    EXPECT_FALSE(view.isOpaque());
    view.setAttribute(Qt::WA_OpaquePaintEvent);
    EXPECT_TRUE(view.isOpaque());
}

TEST(NSUIView, BackgroundIsNoneUntilSetAndIsPainted)
{
    NSUIView view;
    view.resize(20, 10);
    EXPECT_EQ(view.backgroundColor(), std::nullopt);
    EXPECT_EQ(renderWithoutWindowBackground(view).pixelColor(5, 5), QColor(Qt::transparent));

    view.setBackgroundColor(QColor(200, 30, 40));
    EXPECT_EQ(view.backgroundColor(), QColor(200, 30, 40));
    const QImage painted = renderWithoutWindowBackground(view);
    EXPECT_EQ(painted.pixelColor(0, 0), QColor(200, 30, 40));
    EXPECT_EQ(painted.pixelColor(19, 9), QColor(200, 30, 40));

    view.setBackgroundColor(std::nullopt);
    EXPECT_EQ(view.backgroundColor(), std::nullopt);
    view.setBackgroundColor(QColor());
    EXPECT_EQ(view.backgroundColor(), std::nullopt);
}

TEST(NSUIView, RedrawRequestRepaintsTheWholeBounds)
{
    ElementView view;
    view.resize(60, 40);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    waitUntil([&] { return view.paints > 0; });

    const int paints = view.paints;
    view.setNeedsDisplay();
    waitUntil([&] { return view.paints > paints; });
    EXPECT_EQ(view.lastPaintRect, QRect(0, 0, 60, 40));
}

TEST(NSUIView, AccessibilityDescribesAChartViewAsAList)
{
    NSUIView view;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(view.role(), QAccessible::List);
    EXPECT_EQ(accessible->role(), QAccessible::List);
    EXPECT_EQ(view.accessibilityLabel(), QStringLiteral("Chart View"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Chart View"));
    EXPECT_EQ(accessible->childCount(), 0);
    EXPECT_TRUE(view.accessibilityRows().isEmpty());

    view.setRole(QAccessible::Chart);
    EXPECT_EQ(accessible->role(), QAccessible::Chart);
}

// A view without a name of its own is named as its window, so that windows showing different
// charts are told apart.
TEST(NSUIView, AViewWithoutANameTakesItsWindowsTitle)
{
    const QList<std::tuple<const char*, QString, bool, QString>> cases = {
        {"a window of its own without a title", {}, true, "Chart View"},
        {"its own window's title", "Radar", true, "Radar"},
        {"the title of the window it stands in", "Peak flow", false, "Peak flow"},
    };
    for (const auto& [name, title, ownWindow, heard] : cases) {
        SCOPED_TRACE(name);
        QWidget window;
        auto* view = new NSUIView(ownWindow ? nullptr : &window);
        const std::unique_ptr<NSUIView> owned(ownWindow ? view : nullptr);
        view->window()->setWindowTitle(title);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), heard);
    }
}

TEST(NSUIView, AccessibilityChildrenAreTheViewsElements)
{
    QWidget window;
    window.resize(200, 200);
    auto* view = new ElementView;
    view->setParent(&window);
    view->setGeometry(15, 25, 100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto first = std::make_shared<NSUIAccessibilityElement>(view);
    first->setAccessibilityLabel(QStringLiteral("Point 1: 420 l/min"));
    first->setAccessibilityFrame(QRectF(10, 20, 30, 40));
    auto second = std::make_shared<NSUIAccessibilityElement>(view);
    second->setAccessibilityLabel(QStringLiteral("Point 2"));
    second->setSelected(true);
    view->elements = {first, second};
    EXPECT_EQ(view->accessibilityRows(), view->elements);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
    ASSERT_EQ(accessible->childCount(), 2);
    QAccessibleInterface* child = accessible->child(0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->object(), first.get());
    EXPECT_EQ(child->text(QAccessible::Name), QStringLiteral("Point 1: 420 l/min"));
    EXPECT_EQ(child->role(), QAccessible::ListItem);
    EXPECT_EQ(child->parent(), accessible);
    EXPECT_FALSE(child->state().selected);
    EXPECT_TRUE(accessible->child(1)->state().selected);
    EXPECT_EQ(accessible->indexOfChild(accessible->child(1)), 1);
    EXPECT_EQ(accessible->child(2), nullptr);

    // The screen rectangle follows the view wherever it is when asked.
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(child->rect(), QRect(origin + QPoint(10, 20), QSize(30, 40)));
    EXPECT_EQ(origin, window.mapToGlobal(QPoint(15, 25)));
    view->move(35, 25);
    EXPECT_EQ(child->rect(), QRect(origin + QPoint(30, 20), QSize(30, 40)));
    EXPECT_EQ(accessible->childAt(origin.x() + 35, origin.y() + 30), child);

    // Replaced elements leave the tree.
    view->elements = {second};
    EXPECT_EQ(accessible->childCount(), 1);
    EXPECT_EQ(accessible->indexOfChild(QAccessible::queryAccessibleInterface(first.get())), -1);
}

TEST(NSUIAccessibilityElement, StartsAsAnUnselectedListItemOfItsContainer)
{
    NSUIView view;
    NSUIAccessibilityElement element(&view);
    EXPECT_EQ(element.containerView(), &view);
    EXPECT_FALSE(element.isHeader());
    EXPECT_FALSE(element.isSelected());
    EXPECT_EQ(element.accessibilityRole(), QAccessible::ListItem);
    EXPECT_EQ(element.accessibilityLabel(), QString());

    element.setHeader(true);
    element.setAccessibilityRole(QAccessible::StaticText);
    EXPECT_TRUE(element.isHeader());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&element)->role(), QAccessible::StaticText);
}

TEST(NSUIAccessibilityElement, OnlyAWidgetBecomesTheContainerView)
{
    QObject notAView;
    NSUIAccessibilityElement element(&notAView);
    EXPECT_EQ(element.containerView(), nullptr);
    // Without a container view a frame has nowhere to live.
    element.setAccessibilityFrame(QRectF(1, 2, 3, 4));
    EXPECT_EQ(element.accessibilityFrame(), QRectF());
    EXPECT_EQ(element.accessibilityScreenFrame(), QRectF());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&element)->parent(), nullptr);
}

TEST(NSUIAccessibilityElement, ContainerIsHeldWeakly)
{
    auto view = std::make_unique<NSUIView>();
    NSUIAccessibilityElement element(view.get());
    element.setAccessibilityFrame(QRectF(1, 2, 3, 4));
    view.reset();
    EXPECT_EQ(element.containerView(), nullptr);
    // A frame written after the container has gone changes nothing.
    element.setAccessibilityFrame(QRectF(5, 6, 7, 8));
    EXPECT_EQ(element.accessibilityFrame(), QRectF(1, 2, 3, 4));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&element);
    EXPECT_EQ(accessible->parent(), nullptr);
    EXPECT_EQ(accessible->rect(), QRect());
    EXPECT_TRUE(accessible->state().invisible);
    // Posting a layout change for it, or for no element, is harmless.
    accessibilityPostLayoutChangedNotification(&element);
    accessibilityPostLayoutChangedNotification();
}

TEST(NSUIAccessibilityElement, FramesThatCannotBePixelsGiveAnEmptyRectangle)
{
    NSUIView view;
    NSUIAccessibilityElement element(&view);
    element.setAccessibilityFrame(QRectF(qQNaN(), 0, 10, 10));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&element)->rect(), QRect());
    element.setAccessibilityFrame(QRectF(0, 0, 1e300, 10));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&element)->rect(), QRect());
}

TEST(NSUIView, TouchEventsReachTheFourHooks)
{
    TouchView view;
    view.resize(100, 100);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const std::unique_ptr<QPointingDevice> touchDevice(QTest::createTouchDevice());
    QPointingDevice* device = touchDevice.get();

    QTest::touchEvent(&view, device).press(0, QPoint(10, 20));
    QTest::touchEvent(&view, device).move(0, QPoint(30, 40));
    QTest::touchEvent(&view, device).release(0, QPoint(30, 40));
    QTest::touchEvent(&view, device).press(1, QPoint(5, 5));
    QTouchEvent cancel(QEvent::TouchCancel, device);
    QApplication::sendEvent(&view, &cancel);

    EXPECT_EQ(view.log, QStringList({"began 10,20", "moved 30,40", "ended 30,40", "began 5,5",
                                     "cancelled"}));
}

TEST(NSUIView, TouchesPassedOnFallBackToMouseEvents)
{
    TouchView view;
    view.passOn = true;
    view.resize(100, 100);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const std::unique_ptr<QPointingDevice> touchDevice(QTest::createTouchDevice());
    QPointingDevice* device = touchDevice.get();

    QTest::touchEvent(&view, device).press(0, QPoint(10, 20));
    QTest::touchEvent(&view, device).release(0, QPoint(10, 20));
    EXPECT_TRUE(view.log.contains(QStringLiteral("mouse press")));
}
