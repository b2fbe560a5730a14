#pragma once

#include <QString>

// Why a meter command failed; every failed reply carries one.
class TavrendelPFMError {
public:
    explicit TavrendelPFMError(QString message);

    // The message, in plain English.
    const QString& description() const { return message; }

private:
    QString message;
};
