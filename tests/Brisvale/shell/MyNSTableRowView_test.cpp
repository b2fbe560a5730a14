#include "Brisvale/shell/MyNSTableRowView.h"

#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using Style = MyNSTableRowView::SelectionHighlightStyle;

QImage drawnRow(Style style)
{
    QImage image(200, 70, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    MyNSTableRowView::drawSelectionInRect(painter, QRectF(0, 0, 200, 70), style);
    return image;
}

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

}

TEST(MyNSTableRowView, SelectionIsAnInsetRoundedGreyRectangle)
{
    const QImage image = drawnRow(Style::regular);
    // White 0.72 and 0.65: about #B8B8B8 and #A6A6A6.
    EXPECT_EQ(MyNSTableRowView::fillColor().rgb(), qRgb(0xB8, 0xB8, 0xB8));
    EXPECT_EQ(MyNSTableRowView::strokeColor().rgb(), qRgb(0xA6, 0xA6, 0xA6));
    // Inside: the fill.
    EXPECT_EQ(pixel(image, 100, 35), QColor(0xB8, 0xB8, 0xB8));
    EXPECT_EQ(pixel(image, 3, 35), QColor(0xB8, 0xB8, 0xB8));
    // The one-pixel outline lies on the inset edge, 2.5 from the bounds: pixels 2 and 197 across,
    // 2 and 67 down.
    EXPECT_EQ(pixel(image, 2, 35), QColor(0xA6, 0xA6, 0xA6));
    EXPECT_EQ(pixel(image, 197, 35), QColor(0xA6, 0xA6, 0xA6));
    EXPECT_EQ(pixel(image, 100, 2), QColor(0xA6, 0xA6, 0xA6));
    EXPECT_EQ(pixel(image, 100, 67), QColor(0xA6, 0xA6, 0xA6));
    // Outside the inset and beyond the rounded corners the row is untouched.
    for (const QPoint& outside : {QPoint(1, 35), QPoint(198, 35), QPoint(100, 1), QPoint(100, 68),
                                  QPoint(3, 3), QPoint(196, 66)}) {
        EXPECT_EQ(pixel(image, outside.x(), outside.y()), QColor(Qt::white))
            << outside.x() << ", " << outside.y();
    }
}

TEST(MyNSTableRowView, TheStyleNoneDrawsNothing)
{
    QImage blank(200, 70, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(drawnRow(Style::none), blank);
}

TEST(MyNSTableRowView, ATableDrawsItsSelectedRowThisWayAndOthersPlain)
{
    QTableWidget table(2, 1);
    table.setShowGrid(false);
    table.setFrameShape(QFrame::NoFrame);
    table.resize(200, 160);
    MyNSTableRowView* rowView = MyNSTableRowView::install(table);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setItem(0, 0, new QTableWidgetItem);
    table.setItem(1, 0, new QTableWidgetItem);
    table.show();
    table.selectRow(1);

    const QRect selected = table.visualRect(table.model()->index(1, 0));
    const QRect plain = table.visualRect(table.model()->index(0, 0));
    const QImage shot = table.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixel(selected.center()), MyNSTableRowView::fillColor().rgb());
    EXPECT_EQ(shot.pixelColor(plain.center()), QColor(Qt::white));
    // Around the inset rectangle the row keeps the table's own background.
    EXPECT_EQ(shot.pixelColor(selected.left(), selected.center().y()), QColor(Qt::white));

    rowView->setSelectionHighlightStyle(Style::none);
    const QImage unmarked = table.viewport()->grab().toImage();
    EXPECT_EQ(unmarked.pixelColor(selected.center()), unmarked.pixelColor(plain.center()));
}

// A user table of two rows between two buttons, in an active window, as the sheets show it.
class UserTableWindow : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        before->setObjectName(QStringLiteral("before"));
        after->setObjectName(QStringLiteral("after"));
        for (QWidget* widget : std::initializer_list<QWidget*>{before, table, after}) {
            layout->addWidget(widget);
        }
        MyNSTableRowView::install(*table);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Ann, ann@x")));
        table->setItem(1, 0, new QTableWidgetItem(QStringLiteral("Bo, bo@x")));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QPushButton* before = new QPushButton(QStringLiteral("before"));
    QTableWidget* table = new QTableWidget(2, 1);
    QPushButton* after = new QPushButton(QStringLiteral("after"));
};

// Tab, Shift+Tab and Ctrl+Tab leave a user table as they leave any control; Tab went from row to
// row inside it, so the buttons after it were out of reach by keyboard.
TEST_F(UserTableWindow, TabShiftTabAndCtrlTabLeaveTheTable)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* reached;
    } cases[] = {
        {Qt::Key_Tab, Qt::NoModifier, "after"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "before"},
        {Qt::Key_Tab, Qt::ControlModifier, "after"},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "before"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.reached);
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTest::keyClick(table, test.key, test.modifiers);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(test.reached));
    }
}

// A user table that takes the focus tells a reader its current row: Qt told of the table alone,
// and a reader heard no row until the current one changed, never with a single profile.
TEST_F(UserTableWindow, ATableTakingTheFocusTellsAReaderItsCurrentRow)
{
    const struct {
        int current; // none when -1
        QStringList heard;
    } cases[] = {{1, {"Bo, bo@x"}}, {-1, {}}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.current);
        before->setFocus();
        table->setCurrentCell(test.current, 0);
        ReaderEvents reader;
        table->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents();
        QStringList heard;
        for (const ReaderEvents::Event& event : reader.ofType(QAccessible::Focus)) {
            if (event.object == table && event.name != table->accessibleName()) {
                heard << event.name;
            }
        }
        EXPECT_EQ(heard, test.heard);
    }
}
