#include "ChartEngine/data/DataRevision.h"

#include <atomic>

namespace Charts {

namespace {

std::atomic<quint64> revision{0};

}

quint64 DataRevision::current()
{
    return revision.load(std::memory_order_relaxed);
}

void DataRevision::bump()
{
    revision.fetch_add(1, std::memory_order_relaxed);
}

}
