#include "TavrendelPFMSDK/TavrendelPFMError.h"

#include <utility>

TavrendelPFMError::TavrendelPFMError(QString message) : message(std::move(message)) {}
