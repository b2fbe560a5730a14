#pragma once

#include "TavrendelPFMSDK/TavrendelPFM.h"

#include <memory>

// The meter library's one manager, made on first use; null when no meter library is present
// (then every meter call is skipped).
std::shared_ptr<TavrendelPFM> pfmManager();
