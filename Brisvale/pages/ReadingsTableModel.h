#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The rows of the readings table: one reading per row, in the order of the list (the query's,
// newest first, until the user sorts). Cells are written when they are shown, so a long list
// costs nothing until it is looked at.
class ReadingsTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, TimeColumn, PEFColumn, FEV1Column, NotesColumn, DeleteBtnColumn, ColumnCount };

    // The reading's object identifier (a 64-bit integer), for every cell.
    static constexpr int objectIDRole = Qt::UserRole + 1;
    // The reading's note as stored: a string, or an invalid variant for a reading without one.
    static constexpr int storedNoteRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the readings, with dates and times in the profile's patterns (empty: no text). A
    // reader hears a PEF cell with the zone of the profile's best value (the value alone without
    // a profile).
    void setReadings(QList<PFMPtr> readings, const QString& datePattern, const QString& timePattern,
                     ProfilePtr profile);
    const QList<PFMPtr>& readings() const { return pfmList; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The columns' titles; the delete column's is empty, and its name for a reader "Delete".
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Reorders the readings themselves, stably: date and time by the reading's moment, PEF, FEV1
    // and the note by value. The delete column doesn't sort.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString cellText(const PFM& reading, int column) const;
    QVariant spokenText(const PFM& reading, int column) const;

    QList<PFMPtr> pfmList;
    QString datePattern;
    QString timePattern;
    ProfilePtr profile;
};
