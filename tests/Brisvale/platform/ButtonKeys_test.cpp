#include "Brisvale/platform/ButtonKeys.h"

#include "Brisvale/platform/AlertDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Return and Enter press a focused push or tool button, once for a held key, and leave every other
// control, a key with a modifier and a question's buttons to Qt.
TEST(ButtonKeys, ReturnAndEnterPressTheFocusedButtonOutsideAQuestion)
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

    const struct {
        const char* name;
        QWidget* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int clicks;
    } cases[] = {
        {"Return on a push button", push, Qt::Key_Return, Qt::NoModifier, false, 1},
        {"Enter on a tool button", tool, Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"a held Return", push, Qt::Key_Return, Qt::NoModifier, true, 0},
        {"Shift+Return", push, Qt::Key_Return, Qt::ShiftModifier, false, 0},
        {"Return on a check box", check, Qt::Key_Return, Qt::NoModifier, false, 0},
        {"Return in a text field", field, Qt::Key_Return, Qt::NoModifier, false, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), test.focus);
        int clicks = 0;
        if (auto* button = qobject_cast<QAbstractButton*>(test.focus)) {
            QObject::connect(button, &QAbstractButton::clicked, &window, [&clicks] { ++clicks; });
        }
        QKeyEvent key(QEvent::KeyPress, test.key, test.modifiers, QString(), test.autoRepeat);
        QApplication::sendEvent(test.focus, &key);
        EXPECT_EQ(clicks, test.clicks);
        QObject::disconnect(test.focus, nullptr, &window, nullptr);
    }

    // A question answers Return itself, with the button it highlights (its keys' test shows which).
    AlertDialog question(Alert{QStringLiteral("Delete?"), AlertSymbol::questionmark,
                               {QStringLiteral("Yes"), QStringLiteral("No")}, Alert::secondButton},
                         nullptr);
    question.show();
    question.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&question));
    question.button(Alert::firstButton)->setFocus();
    const QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(ButtonKeys::pressedBy(key, question.button(Alert::firstButton)), nullptr);
}
