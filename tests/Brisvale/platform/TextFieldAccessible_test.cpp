#include "Brisvale/platform/TextFieldAccessible.h"

#include "support/QtPrinters.h"

#include <QAccessible>
#include <QLineEdit>
#include <gtest/gtest.h>

// A reader speaks a field's line run by run of its attributes: every offset lies in a run that
// holds the whole text, the last character too.
TEST(TextFieldAccessible, EveryOffsetOfAFieldLiesInOneRunOfItsWholeText)
{
    TextFieldAccessible::install();
    const struct {
        const char* name;
        QString text;
        bool readOnly;
    } cases[] = {
        {"a number", QStringLiteral("467"), false},
        {"an e-mail shown read only", QStringLiteral("ann@example.com"), true},
        {"one character", QStringLiteral("0"), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QLineEdit field(test.text);
        field.setReadOnly(test.readOnly);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&field)->textInterface();
        ASSERT_NE(text, nullptr);
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(text->text(start, end), test.text) << "at " << offset;
        }
    }
}
