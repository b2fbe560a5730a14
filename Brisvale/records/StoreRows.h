#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"

#include <QString>

class QSqlQuery;

// How the attributes of profiles and readings sit in the store's rows: the SQL texts, the
// binding of values and the reading of rows. Dates are REAL seconds since 2001 in full
// precision; floats are REAL, narrowed back to float on load (a NaN, which SQLite keeps as
// NULL, comes back as NaN); absent texts and dates are NULL. Texts are TEXT in UTF-8, the
// store's encoding, written and read as their bytes, so that each comes back exactly as it
// was saved (SQLite's own UTF-16 side drops or swaps a leading byte-order mark and changes
// U+FFFE and U+FFFF).
namespace StoreRows {

// Statements; a selection's columns start with the row id, then the attributes in the order of
// the entity (a reading's owner id last).
extern const QString selectProfiles;         // every profile, in row order
extern const QString selectProfileById;      // one bound value: the row id
extern const QString selectReadingsOfOwner;  // one bound value: the owner's row id
// The owner's row id, the first and the last date; newest first, then the latest row first.
extern const QString selectReadingsOfOwnerBetween;
extern const QString selectReadingById;      // one bound value: the row id
extern const QString insertProfile;          // the attributes
extern const QString updateProfile;          // the attributes, then the row id
extern const QString deleteProfile;          // the row id
extern const QString nextReadingId;          // the row id that the next new reading takes
extern const QString updateReading;          // the attributes, then the row id
extern const QString deleteReading;          // the row id

// Inserts `rows` readings with their row ids given; each row binds the row id, the attributes,
// then the owner's row id (bindNewReading).
QString insertReadings(int rows);

// Binds the attributes from the given position on; returns the next free position.
int bindProfile(QSqlQuery& query, const ProfileAttributes& attributes);
int bindReading(QSqlQuery& query, const PFMAttributes& attributes, int position = 0);
int bindNewReading(QSqlQuery& query, int position, qint64 id, const PFMAttributes& attributes,
                   qint64 ownerId);

// Reads the attributes of the current row, which hold from column 1 on.
ProfileAttributes readProfile(const QSqlQuery& query);

// The reading's attributes of the current row, or nothing when the row has no usable date:
// such a row is ignored by every reader.
std::optional<PFMAttributes> readReading(const QSqlQuery& query);

// The owner's row id in a row of selectReadingById.
qint64 readOwnerId(const QSqlQuery& query);

// Whether every text of the attributes can be stored as it is: half a surrogate pair has no
// UTF-8 form.
bool holdsStorableTexts(const ProfileAttributes& attributes);
bool holdsStorableTexts(const PFMAttributes& attributes);

// Whether the attributes differ from the ones last saved (floats and dates compared bit for
// bit, so that a NaN equals itself and -0 differs from 0).
bool differ(const ProfileAttributes& a, const ProfileAttributes& b);
bool differ(const PFMAttributes& a, const PFMAttributes& b);

// A double from the store as a float; values beyond a float's range become infinities.
float narrowToFloat(double value);

}
