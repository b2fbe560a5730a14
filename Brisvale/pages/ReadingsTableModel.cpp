#include "Brisvale/pages/ReadingsTableModel.h"

#include "Brisvale/pages/PEFController.h"
#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"

#include <algorithm>

namespace {

// Whether a sorts before b by the column's value.
bool sortsBefore(const PFM& a, const PFM& b, int column)
{
    switch (column) {
    case ReadingsTableModel::DateColumn:
    case ReadingsTableModel::TimeColumn:
        return a.measureDate < b.measureDate;
    case ReadingsTableModel::PEFColumn:
        return a.pefValue < b.pefValue;
    case ReadingsTableModel::FEV1Column:
        return a.fev1Value < b.fev1Value;
    default:
        return QString::localeAwareCompare(a.note.value_or(QString()), b.note.value_or(QString())) < 0;
    }
}

}

void ReadingsTableModel::setReadings(QList<PFMPtr> readings, const QString& dates, const QString& times,
                                     ProfilePtr readingsProfile)
{
    beginResetModel();
    pfmList = std::move(readings);
    datePattern = dates;
    timePattern = times;
    profile = std::move(readingsProfile);
    endResetModel();
}

int ReadingsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(pfmList.size());
}

int ReadingsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ReadingsTableModel::cellText(const PFM& reading, int column) const
{
    switch (column) {
    case DateColumn:
        return DatePattern::format(reading.measureDate->toDateTime(), datePattern);
    case TimeColumn:
        return DatePattern::format(reading.measureDate->toDateTime(), timePattern);
    case PEFColumn:
        return QString::number(reading.pefValue);
    case FEV1Column:
        return NumberText::shown(reading.fev1Value, 2);
    case NotesColumn:
        return reading.note.value_or(QString());
    default:
        return QString();
    }
}

QVariant ReadingsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= pfmList.size()) {
        return QVariant();
    }
    const PFM& reading = *pfmList.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(reading, index.column());
    case Qt::AccessibleTextRole:
        return spokenText(reading, index.column());
    case Qt::ToolTipRole:
        // The delete cell shows only its icon: its name is what a reader speaks and a tooltip shows.
        return index.column() == DeleteBtnColumn ? spokenText(reading, index.column()) : QVariant();
    case objectIDRole:
        return reading.objectID();
    case storedNoteRole:
        return reading.note ? QVariant(*reading.note) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

// A PEF says its zone, which the table shows in no column; the delete cell says what it does.
QVariant ReadingsTableModel::spokenText(const PFM& reading, int column) const
{
    if (column == PEFColumn && profile) {
        return PEFController::withZone(cellText(reading, column), reading.pefValue, *profile);
    }
    if (column == DeleteBtnColumn) {
        return Localization::text(QStringLiteral("TableController_DeleteReading"));
    }
    return QVariant();
}

QVariant ReadingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList keys{QStringLiteral("TableController_Date"), QStringLiteral("TableController_Time"),
                                  QStringLiteral("TableController_PEF"), QStringLiteral("TableController_FEV1"),
                                  QStringLiteral("TableController_Notes")};
    if (orientation != Qt::Horizontal) {
        return QVariant();
    }
    // The delete column shows no title; a reader hears it named.
    if (role == Qt::AccessibleTextRole && section == DeleteBtnColumn) {
        return Localization::text(QStringLiteral("TableController_Delete"));
    }
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    return section >= 0 && section < keys.size() ? Localization::text(keys.at(section)) : QString();
}

Qt::ItemFlags ReadingsTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags shown = Qt::ItemIsEnabled;
    return index.column() == NotesColumn ? shown | Qt::ItemIsEditable : shown;
}

void ReadingsTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < DateColumn || column >= DeleteBtnColumn) {
        return;
    }
    beginResetModel();
    std::stable_sort(pfmList.begin(), pfmList.end(), [column, order](const PFMPtr& a, const PFMPtr& b) {
        return order == Qt::AscendingOrder ? sortsBefore(*a, *b, column) : sortsBefore(*b, *a, column);
    });
    endResetModel();
}
