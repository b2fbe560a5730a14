#pragma once

#include <QtGlobal>

namespace Charts {

// A process-wide count of changes to entries and data sets. Every editing member of a data set
// and every setter of an entry's x or y moves it on; an entry does not know the sets holding it,
// so one counter serves them all. A cache built from a data set's values stays valid only while
// the counter reads what it read when the cache was built.
class DataRevision {
public:
    static quint64 current();
    static void bump();
};

}
