#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <optional>

class QLineEdit;

// The note cells of the readings table: the editor is a line field of no length limit, bound, when
// it is made, to its reading's object identifier, and every edit of the user (`textEdited`) is
// handed on at once with the field's whole text. Filling the field from the reading is not an
// edit, and closing the field writes nothing more, except that Escape after an edit hands on the
// note the field opened with (absent when the reading had none), so that it cancels the edit.
class NoteDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using Save = std::function<void(qint64 objectID, const std::optional<QString>& text, QLineEdit* field)>;

    // The property of a field holding its tag: the row it was made for.
    static constexpr const char* tagProperty = "tag";

    NoteDelegate(Save save, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Save save;
};
