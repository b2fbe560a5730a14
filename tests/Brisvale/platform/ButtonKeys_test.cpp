#include "Brisvale/platform/ButtonKeys.h"

#include "support/KeyStrokes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Return and Enter hold a focused push or tool button down and press it as they are released, as
// Space does: once for a held key, and not at all for the repeats and release of a key that went
// down before the button had the focus. Every other control, and a key with a modifier, are left
// to Qt.
TEST(ButtonKeys, ReturnAndEnterPressTheFocusedButtonAsTheyAreReleased)
{
    ButtonKeys::install();
    ButtonKeys::install();
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
        {"Return going down", push, Qt::Key_Return, Qt::NoModifier, {down}, 0, true},
        {"a held Return", push, Qt::Key_Return, Qt::NoModifier, {down, repeat, repeat, repeat, up}, 1, false},
        {"a Return held from before", push, Qt::Key_Return, Qt::NoModifier, {repeat, repeat, up}, 0, false},
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
        EXPECT_EQ(clicks, test.clicks);
        EXPECT_EQ(button && button->isDown(), test.heldDown);
        QObject::disconnect(test.focus, nullptr, &window, nullptr);
        window.setFocus();
    }
}
