#pragma once

#include <QLocale>
#include <clocale>
#include <string>

// The locale of a user started with LANG=de_DE.UTF-8 (a decimal comma), for the life of the
// object: the default QLocale and the process locale, both put back afterwards. The process
// locale needs de_DE.UTF-8 generated (scripts/setup does); the QLocale part holds without it.
class GermanLocale {
public:
    GermanLocale() : previousDefault(QLocale()), previousProcess(std::setlocale(LC_ALL, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        processLocaleSet = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, previousProcess.c_str());
        QLocale::setDefault(previousDefault);
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    bool processLocaleSet = false;

private:
    QLocale previousDefault;
    std::string previousProcess;
};
