#include "Brisvale/pages/NoteDelegate.h"

#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/Accessibility.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace {

// What a field remembers of its opening: the note as stored then (invalid when absent), the
// reading's identifier, and whether the user has edited it since.
constexpr const char* openedNoteProperty = "openedNote";
constexpr const char* objectIDProperty = "objectID";
constexpr const char* editedProperty = "edited";

}

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
    field->setProperty(openedNoteProperty, index.data(ReadingsTableModel::storedNoteRole));
    field->setProperty(objectIDProperty, index.data(ReadingsTableModel::objectIDRole));
    const qint64 objectID = index.data(ReadingsTableModel::objectIDRole).toLongLong();
    connect(field, &QLineEdit::textEdited, this, [this, objectID, field](const QString& text) {
        field->setProperty(editedProperty, true);
        save(objectID, text, field);
    });
    return field;
}

bool NoteDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && field->property(editedProperty).toBool()) {
        field->setProperty(editedProperty, false);
        const QVariant opened = field->property(openedNoteProperty);
        save(field->property(objectIDProperty).toLongLong(),
             opened.isValid() ? std::optional<QString>(opened.toString()) : std::nullopt, field);
    }
    return QStyledItemDelegate::eventFilter(watched, event);
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
