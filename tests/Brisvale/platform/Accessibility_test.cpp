#include "Brisvale/platform/Accessibility.h"

#include "Brisvale/platform/Localization.h"
#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

TEST(Accessibility, TheFirstControlIsTheFirstVisibleEnabledTabStopOfThePageOnly)
{
    const struct {
        const char* name;
        bool firstHidden;
        bool secondDisabled;
        bool fieldShown;
        const char* expected; // none: no control
    } cases[] = {
        {"all usable", false, false, true, "first"},
        {"first hidden", true, false, true, "second"},
        {"first hidden, second disabled", true, true, true, "field"},
        {"nothing usable on the page", true, true, false, nullptr},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QPushButton(QStringLiteral("before the page"));
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        auto* caption = new QLabel(QStringLiteral("caption"));
        auto* first = new QPushButton(QStringLiteral("first"));
        auto* second = new QPushButton(QStringLiteral("second"));
        auto* field = new QLineEdit;
        first->setObjectName(QStringLiteral("first"));
        second->setObjectName(QStringLiteral("second"));
        field->setObjectName(QStringLiteral("field"));
        for (QWidget* widget : std::initializer_list<QWidget*>{caption, first, second, field}) {
            pageLayout->addWidget(widget);
        }
        auto* after = new QPushButton(QStringLiteral("after the page"));
        layout->addWidget(before);
        layout->addWidget(page);
        layout->addWidget(after);
        first->setHidden(test.firstHidden);
        second->setDisabled(test.secondDisabled);
        field->setVisible(test.fieldShown);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();

        QWidget* control = Accessibility::firstControl(*page);
        EXPECT_EQ(control ? control->objectName() : QString(), QString::fromLatin1(test.expected));
        Accessibility::focusFirstControl(*page);
        EXPECT_EQ(QApplication::focusWidget(), control ? control : before) << "focus stays where it was";
    }
}

TEST(Accessibility, AnIconButtonTakesItsNameAndTooltipAndAFieldItsNameFromTheKey)
{
    QPushButton button;
    QLineEdit field;
    Accessibility::nameIconButton(button, QStringLiteral("DataController_Download"));
    Accessibility::nameField(field, QStringLiteral("FilterControls_DayRange"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&button)->text(QAccessible::Name),
              QStringLiteral("Export a CSV or PDF report"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Export a CSV or PDF report"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&field)->text(QAccessible::Name), QStringLiteral("Date range"));
}

TEST(Accessibility, AnAnnouncedValueReachesTheReaderAsTheControlsNewTextOnlyWhenItChanged)
{
    QLineEdit field;
    ReaderEvents reader;
    Accessibility::announceValue(field, QStringLiteral("3/4/26"), QStringLiteral("3/5/26"));
    Accessibility::announceValue(field, QStringLiteral("3/5/26"), QStringLiteral("3/5/26"));
    for (const QAccessible::Event type : {QAccessible::ValueChanged, QAccessible::TextUpdated}) {
        const QList<ReaderEvents::Event> changes = reader.ofType(type);
        ASSERT_EQ(changes.size(), 1) << type;
        EXPECT_EQ(changes.first().object, &field);
        EXPECT_EQ(changes.first().value, QStringLiteral("3/5/26"));
    }
    EXPECT_EQ(reader.events.size(), 2);
}

// A number field's description holds its whole text; a greyed field keeps saying why, and has its
// text again once usable.
TEST(Accessibility, ANumberFieldsDescriptionIsItsWholeTextAndAGreyedFieldKeepsItsReason)
{
    QLineEdit field(QStringLiteral("467"));
    Accessibility::describeByText(field);
    const QString reason = QStringLiteral("TrafficLightsController_BestValue_NoMeter");
    const struct {
        const char* step;
        std::function<void()> act;
        QString description;
    } steps[] = {
        {"as made", [] {}, QStringLiteral("467")},
        {"typed", [&] { field.setText(QStringLiteral("470")); }, QStringLiteral("470")},
        {"greyed", [&] { Accessibility::enableOrSayWhy(field, false, reason); }, Localization::text(reason)},
        {"put back while greyed", [&] { field.setText(QStringLiteral("467")); }, Localization::text(reason)},
        {"usable again", [&] { Accessibility::enableOrSayWhy(field, true, reason); }, QStringLiteral("467")},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&field)->text(QAccessible::Description), step.description);
    }
}

// A container no longer reports the widgets that another element's name holds, and keeps its role,
// its name and its other widgets in their order, also when Qt had made its element before.
TEST(Accessibility, AContainerLeavesOutTheWidgetsAnotherNameHolds)
{
    const struct {
        bool madeBefore;
        QList<int> leftOut; // of the three labels
        QList<int> reported;
    } cases[] = {
        {false, {1}, {0, 2}},
        {true, {0, 2}, {1}},
        {true, {}, {0, 1, 2}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.leftOut.size());
        QFrame card;
        card.setAccessibleName(QStringLiteral("card"));
        auto* layout = new QVBoxLayout(&card);
        QList<QWidget*> labels;
        for (const char* text : {"Total", "Total readings: 42", "Best value"}) {
            labels << new QLabel(QString::fromLatin1(text));
            layout->addWidget(labels.last());
        }
        const QAccessible::Role role = QAccessible::queryAccessibleInterface(&card)->role();
        if (!test.madeBefore) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&card)));
        }
        QList<QWidget*> leftOut;
        for (const int index : test.leftOut) {
            leftOut << labels.at(index);
        }
        Accessibility::leaveOutForReader(leftOut);

        const QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&card);
        EXPECT_EQ(element->role(), role);
        EXPECT_EQ(element->text(QAccessible::Name), QStringLiteral("card"));
        QList<int> reported;
        for (int i = 0; i < element->childCount(); ++i) {
            reported << static_cast<int>(labels.indexOf(element->child(i)->object()));
            EXPECT_EQ(element->indexOfChild(element->child(i)), i);
        }
        EXPECT_EQ(reported, test.reported);
        for (const QWidget* label : leftOut) {
            EXPECT_EQ(element->indexOfChild(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(label))), -1);
        }
    }
}
