#include "Brisvale/platform/Localization.h"

#include "Brisvale/platform/AlertDialog.h"
#include "Brisvale/platform/ElidingLabel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace {

const QString tablePath = QStringLiteral(":/i18n/brisvale_en.qm");

// The tables and the application object they were installed in. A program may make more than
// one application object in turn (the command line is read by one that ends before the window's
// starts): the tables count as installed only in the one that is living now.
struct InstalledTables {
    std::unique_ptr<QTranslator> translator;
    QPointer<QCoreApplication> application;
};

InstalledTables& installedTables()
{
    static InstalledTables tables;
    return tables;
}

QStringList markers(Localization::Placeholder placeholder)
{
    switch (placeholder) {
    case Localization::Placeholder::email:
        return {QStringLiteral("[:EM]")};
    case Localization::Placeholder::bestValue:
        return {QStringLiteral("[:BV]"), QStringLiteral("[:VB]")};
    case Localization::Placeholder::count:
        return {QStringLiteral("[:NR]")};
    case Localization::Placeholder::figure:
        return {QStringLiteral("[:FI]")};
    }
    return {};
}

// The marker starting at position, if any.
qsizetype markerLengthAt(const QString& text, qsizetype position, const QStringList& markers)
{
    for (const QString& marker : markers) {
        if (QStringView(text).sliced(position).startsWith(marker)) {
            return marker.size();
        }
    }
    return 0;
}

// An e-mail as an alert names it: ending in "…" where a line of the alert's text ends, less room
// for the mark after it ("?"), so that it takes no more than that line.
QString namedEmail(const QString& email)
{
    constexpr int markRoom = 20;
    const int width = AlertDialog::textWidth - markRoom;
    const QString start = ElidingLabel::lineStart(email, width);
    return ElidingLabel::elided(start, start.size() < email.size(), QFontMetrics(QGuiApplication::font()), width);
}

// Every application object gets the tables as it starts, in the program and in tests.
void installAtStart()
{
    Localization::install();
}

}

Q_COREAPP_STARTUP_FUNCTION(installAtStart)

namespace Localization {

bool install()
{
    QCoreApplication* const application = QCoreApplication::instance();
    if (!application) {
        return false;
    }
    InstalledTables& installed = installedTables();
    if (installed.translator && installed.application == application) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(tablePath) || !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    installed.translator = std::move(translator);
    installed.application = application;
    return true;
}

QString text(const QString& key)
{
    install();
    const QByteArray id = key.toUtf8();
    const QString found = qtTrId(id.constData());
    return found.isEmpty() ? key : found;
}

QString text(const QString& key, Placeholder placeholder, const QString& value)
{
    return fill(text(key), placeholder, value);
}

QString fill(const QString& text, Placeholder placeholder, const QString& value)
{
    const QStringList wanted = markers(placeholder);
    const QString filled = placeholder == Placeholder::email ? namedEmail(value) : value;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype length = markerLengthAt(text, i, wanted)) {
            result += filled;
            i += length;
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

}
