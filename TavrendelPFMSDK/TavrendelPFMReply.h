#pragma once

#include "TavrendelPFMSDK/TavrendelPFMError.h"
#include "TavrendelPFMSDK/TavrendelPFMModel.h"

#include <QtGlobal>
#include <memory>

// The meter's answer to one command, as the reply block receives it: a success carries the reply
// object of the commands that have one (time, memory and best-value reads) and no error; a failure
// carries an error and no reply object.
struct TavrendelPFMReply {
    bool success = false;
    qint64 command = 0;
    std::shared_ptr<const TavrendelPFMModel> model;
    std::shared_ptr<const TavrendelPFMError> error;
};
