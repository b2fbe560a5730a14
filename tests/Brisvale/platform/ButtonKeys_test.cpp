#include "Brisvale/platform/ButtonKeys.h"

#include "Brisvale/platform/AppClock.h"

#include "support/KeyStrokes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Space, Return and Enter hold a focused push or tool button down and press it as they are
// released, once for a held key, its repeats marked or not (a question's test shows that a key
// held from before presses nothing). Every other control, and a key with a modifier, are left to
// Qt.
TEST(ButtonKeys, TheKeysPressTheFocusedButtonAsTheyAreReleased)
{
    ButtonKeys::install();
    ButtonKeys::install();
    AppClock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC));
    QWidget window;
    auto* push = new QPushButton(QStringLiteral("Continue"), &window);
    auto* tool = new QToolButton(&window);
    auto* check = new QCheckBox(QStringLiteral("Remember"), &window);
    auto* field = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* each : QList<QWidget*>{push, tool, check, field}) {
        layout->addWidget(each);
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    using enum KeyStrokes::Stroke;
    const struct {
        const char* name;
        QWidget* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<KeyStrokes::Stroke> strokes;
        int clicks;
        bool heldDown;
    } cases[] = {
        {"Return on a push button", push, Qt::Key_Return, Qt::NoModifier, {down, up}, 1, false},
        {"Enter on a tool button", tool, Qt::Key_Enter, Qt::KeypadModifier, {down, up}, 1, false},
        {"a held Return", push, Qt::Key_Return, Qt::NoModifier, {down, repeat, repeat, repeat, up}, 1, false},
        {"a Return held, its repeats unmarked", push, Qt::Key_Return, Qt::NoModifier,
         {down, unmarkedRepeat, unmarkedRepeat}, 0, true},
        {"a held Return, its repeats unmarked", push, Qt::Key_Return, Qt::NoModifier,
         {down, unmarkedRepeat, unmarkedRepeat, up}, 1, false},
        {"Space on a tool button", tool, Qt::Key_Space, Qt::NoModifier, {down, up}, 1, false},
        {"Shift+Return", push, Qt::Key_Return, Qt::ShiftModifier, {down, up}, 0, false},
        {"Return on a check box", check, Qt::Key_Return, Qt::NoModifier, {down, up}, 0, false},
        {"Return in a text field", field, Qt::Key_Return, Qt::NoModifier, {down, up}, 0, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), test.focus);
        int clicks = 0;
        auto* button = qobject_cast<QAbstractButton*>(test.focus);
        if (button) {
            QObject::connect(button, &QAbstractButton::clicked, &window, [&clicks] { ++clicks; });
        }
        KeyStrokes::strike(test.key, test.modifiers, test.strokes);
        AppClock::advance(ButtonKeys::repeatWait);
        EXPECT_EQ(clicks, test.clicks);
        EXPECT_EQ(button && button->isDown(), test.heldDown);
        QObject::disconnect(test.focus, nullptr, &window, nullptr);
        window.setFocus();
    }
    AppClock::reset();
}
