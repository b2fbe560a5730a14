#include "Brisvale/pages/NoteDelegate.h"

#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/Accessibility.h"

#include <QLineEdit>
#include <limits>

NoteDelegate::NoteDelegate(Save saveAction, QObject* parent)
    : QStyledItemDelegate(parent), save(std::move(saveAction))
{
}

QWidget* NoteDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    Q_UNUSED(option);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("textfieldcell"));
    // The column's title names the field for a reader, as it does for the eye.
    Accessibility::nameField(*field, QStringLiteral("TableController_Notes"));
    // A note of any length, as a backup may bring it: the field never shortens what it shows, so
    // the next keystroke cannot store a cut note.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setProperty(tagProperty, index.row());
    const qint64 objectID = index.data(ReadingsTableModel::objectIDRole).toLongLong();
    connect(field, &QLineEdit::textEdited, this,
            [this, objectID, field](const QString& text) { save(objectID, text, field); });
    return field;
}

void NoteDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* field = static_cast<QLineEdit*>(editor);
    const QString note = index.data(Qt::EditRole).toString();
    if (field->text() != note) {
        field->setText(note);
    }
}

void NoteDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // Every keystroke is already stored.
    Q_UNUSED(editor);
    Q_UNUSED(model);
    Q_UNUSED(index);
}
