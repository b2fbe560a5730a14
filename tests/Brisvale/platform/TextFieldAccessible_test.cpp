#include "Brisvale/platform/TextFieldAccessible.h"

#include "support/QtPrinters.h"

#include <QAccessible>
#include <QIntValidator>
#include <QLineEdit>
#include <functional>
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

// A dictation tool or an on-screen keyboard edits a field through the reader's interface. The
// field took such a text as set from code: it ran no `textEdited`, on which a note cell stores its
// note, so the edit was shown and never stored. It now edits as typed keys do: inside the field's
// validator and maximum length, and never in a field that is read only.
TEST(TextFieldAccessible, AnEditThroughTheReaderIsTheFieldsOwnEdit)
{
    TextFieldAccessible::install();
    enum class Field { note, number, readOnly };
    using Edit = std::function<void(QAccessibleInterface&)>;
    const auto insertText = [](int offset, QString text) {
        return [=](QAccessibleInterface& field) { field.editableTextInterface()->insertText(offset, text); };
    };
    const auto deleteText = [](int start, int end) {
        return [=](QAccessibleInterface& field) { field.editableTextInterface()->deleteText(start, end); };
    };
    const auto replaceText = [](int start, int end, QString text) {
        return [=](QAccessibleInterface& field) { field.editableTextInterface()->replaceText(start, end, text); };
    };
    const auto setValue = [](QString text) {
        return [=](QAccessibleInterface& field) { field.setText(QAccessible::Value, text); };
    };
    const struct {
        const char* name;
        Field kind;
        Edit edit;
        QString text;           // the field's text afterwards
        QStringList edited;     // the texts its `textEdited` told of
    } cases[] = {
        {"a note, inserted at its end", Field::note, insertText(3, " 2 puffs"), "run 2 puffs", {"run 2 puffs"}},
        {"a note, inserted past its end", Field::note, insertText(99, "!"), "run!", {"run!"}},
        {"a note, deleted in part", Field::note, deleteText(0, 1), "un", {"un"}},
        {"a note, replaced in part", Field::note, replaceText(1, 3, "ain"), "rain", {"rain"}},
        {"a note, set whole", Field::note, setValue("cold air"), "cold air", {"cold air"}},
        {"a note, emptied", Field::note, setValue(QString()), "", {""}},
        {"a note, nothing deleted", Field::note, deleteText(2, 2), "run", {}},
        {"a note, up to its maximum length", Field::note, insertText(3, "ning fast, far"), "running fast",
         {"running fast"}},
        {"a number, replaced", Field::number, replaceText(0, 3, "480"), "480", {"480"}},
        {"a number, a digit deleted", Field::number, deleteText(2, 3), "46", {"46"}},
        {"a number, letters refused", Field::number, insertText(1, "ab"), "467", {}},
        {"a number, past its validator", Field::number, setValue("4670"), "467", {}},
        {"read only, inserted", Field::readOnly, insertText(0, "x"), "ann@example.com", {}},
        {"read only, set whole", Field::readOnly, setValue("bo@example.com"), "ann@example.com", {}},
        {"read only, deleted", Field::readOnly, deleteText(0, 4), "ann@example.com", {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QLineEdit field;
        switch (test.kind) {
        case Field::note:
            field.setText(QStringLiteral("run"));
            field.setMaxLength(12);
            break;
        case Field::number:
            field.setText(QStringLiteral("467"));
            field.setValidator(new QIntValidator(0, 999, &field));
            break;
        case Field::readOnly:
            field.setText(QStringLiteral("ann@example.com"));
            field.setReadOnly(true);
            break;
        }
        QStringList edited;
        QObject::connect(&field, &QLineEdit::textEdited, [&edited](const QString& text) { edited << text; });
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&field);
        ASSERT_NE(reader->editableTextInterface(), nullptr);
        test.edit(*reader);
        EXPECT_EQ(field.text(), test.text);
        EXPECT_EQ(edited, test.edited);
    }
}
