#pragma once

#include <QVariantMap>

// The reply object of a meter command: the meter's answer as a dictionary with string keys (the
// keys and value types are listed in TavrendelPFMKey.h).
class TavrendelPFMModel {
public:
    explicit TavrendelPFMModel(QVariantMap dictionary);

    QVariantMap parseDictionary() const { return dictionary; }

private:
    QVariantMap dictionary;
};
