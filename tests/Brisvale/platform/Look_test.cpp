#include "Brisvale/platform/Look.h"

#include "support/QtPrinters.h"

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

// The colour of a sheet's pixel, as it would be shown.
QColor pixel(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

}

TEST(LookSheetWindow, PlainWidgetsFramesAndDialogsAllGetTheGreyEdgeOnWhite)
{
    QWidget plain;
    QFrame frame;
    QDialog dialog;
    for (QWidget* window : std::initializer_list<QWidget*>{&plain, &frame, &dialog}) {
        window->setWindowTitle(QStringLiteral("Title"));
        Look::styleSheetWindow(*window);
        window->resize(120, 80);
        EXPECT_TRUE(window->windowTitle().isEmpty());
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
        // The edge runs along the middle of every side; the inside stays white.
        EXPECT_EQ(pixel(*window, 60, 0), Look::sheetEdge()) << window->metaObject()->className();
        EXPECT_EQ(pixel(*window, 60, 79), Look::sheetEdge());
        EXPECT_EQ(pixel(*window, 0, 40), Look::sheetEdge());
        EXPECT_EQ(pixel(*window, 119, 40), Look::sheetEdge());
        EXPECT_EQ(pixel(*window, 60, 40), QColor(Qt::white));
    }
    EXPECT_EQ(Look::sheetEdge(), QColor(200, 200, 200));
}

TEST(LookSheetWindow, OnlyTheWindowIsFramedAndStylingAgainChangesNothing)
{
    QDialog sheet;
    Look::styleSheetWindow(sheet);
    Look::styleSheetWindow(sheet);
    sheet.resize(120, 80);
    EXPECT_EQ(pixel(sheet, 60, 0), Look::sheetEdge());

    // A panel on the sheet and a dialog opened from it keep their own (unframed) look.
    auto* layout = new QVBoxLayout(&sheet);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* panel = new QFrame;
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(10, 120, 10));
    panel->setPalette(palette);
    layout->addWidget(panel);
    sheet.resize(120, 80);
    EXPECT_EQ(pixel(sheet, 60, 10), QColor(10, 120, 10));

    QDialog nested(&sheet);
    nested.resize(60, 40);
    EXPECT_NE(pixel(nested, 30, 0), Look::sheetEdge());
}

TEST(LookPopoverTopLeft, KeepsThePopoverInsideTheBounds)
{
    const QRect bounds(100, 50, 400, 300); // x 100..499, y 50..349
    const QSize size(120, 80);
    // Room enough: where it was wanted.
    EXPECT_EQ(Look::popoverTopLeft(size, QPoint(200, 100), bounds), QPoint(200, 100));
    // Just fitting at the bottom right corner.
    EXPECT_EQ(Look::popoverTopLeft(size, QPoint(380, 270), bounds), QPoint(380, 270));
    // Past the top or the left edge.
    EXPECT_EQ(Look::popoverTopLeft(size, QPoint(90, 20), bounds), QPoint(100, 50));
    // Past the right or the bottom edge: moved back inside by the overlap.
    EXPECT_EQ(Look::popoverTopLeft(size, QPoint(450, 300), bounds), QPoint(380, 270));
    // Larger than the bounds: their top left corner wins.
    EXPECT_EQ(Look::popoverTopLeft(QSize(500, 400), QPoint(300, 200), bounds), QPoint(100, 50));
}

TEST(LookFocusRing, AFocusedControlShowsADarkBandOutsideAWhiteOneOnAnyBackground)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* primary = new QPushButton(QStringLiteral("Save"));
    auto* secondary = new QPushButton(QStringLiteral("Restore"));
    auto* menuItem = new QToolButton;
    menuItem->setStyleSheet(QStringLiteral("QToolButton { border: none; background-color: #202020; }"));
    Look::styleDefaultButton(*primary);
    Look::styleButton(*secondary);
    Look::showFocusRing(*menuItem);
    Look::showFocusRing(*menuItem); // installed once, however often asked
    for (QWidget* control : std::initializer_list<QWidget*>{primary, secondary, menuItem}) {
        control->setFixedSize(80, 30);
        layout->addWidget(control);
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (QWidget* control : std::initializer_list<QWidget*>{primary, secondary, menuItem}) {
        SCOPED_TRACE(control->metaObject()->className());
        control->setFocus();
        ASSERT_TRUE(control->hasFocus());
        const QImage focused = control->grab().toImage();
        EXPECT_EQ(focused.pixelColor(0, 15), Look::focusRingOuter());
        EXPECT_EQ(focused.pixelColor(1, 15), Look::focusRingOuter());
        EXPECT_EQ(focused.pixelColor(2, 15), Look::focusRingInner());
        EXPECT_EQ(focused.pixelColor(40, 29), Look::focusRingOuter());
        EXPECT_EQ(focused.pixelColor(79, 0), Look::focusRingOuter());
        EXPECT_EQ(focused.pixelColor(77, 15), Look::focusRingInner());
        control->clearFocus();
        const QImage unfocused = control->grab().toImage();
        EXPECT_NE(unfocused.pixelColor(1, 15), Look::focusRingOuter()) << "no ring without focus";
    }
}
