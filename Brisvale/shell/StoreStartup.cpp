#include "Brisvale/shell/StoreStartup.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/ViewContext.h"

#include <QDir>
#include <cstdlib>

namespace StoreStartup {

namespace {

using Refusal = StoreFile::Refusal;
using Problem = StoreFile::Refusal::Problem;

QString problemKey(Problem problem)
{
    switch (problem) {
    case Problem::notADatabase:
        return QStringLiteral("StoreStartup_Problem_NotADatabase");
    case Problem::cutShort:
        return QStringLiteral("StoreStartup_Problem_CutShort");
    case Problem::otherApplication:
        return QStringLiteral("StoreStartup_Problem_OtherApplication");
    case Problem::tablesMissing:
        return QStringLiteral("StoreStartup_Problem_TablesMissing");
    case Problem::damaged:
        return QStringLiteral("StoreStartup_Problem_Damaged");
    case Problem::upgradeFailed:
        return QStringLiteral("StoreStartup_Problem_UpgradeFailed");
    case Problem::notWritable:
    case Problem::newerVersion:
    case Problem::cannotOpen:
        break;
    }
    return QStringLiteral("StoreStartup_Problem_CannotOpen");
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The message, followed by the store's own words. The messages take their values in one pass
// (QString::arg with all of them), so that a path holding "%2" is shown as it is.
QString withDetails(const QString& text, const Refusal& refused)
{
    return text + QLatin1Char('\n') + refused.error.text();
}

QString text(const char* key)
{
    return Localization::text(QLatin1String(key));
}

// The first button, quitting, moves nothing aside: the safe one.
int ask(const QString& text, const QStringList& buttons)
{
    return AlertPresenter::shared().runModal(Alert{text, AlertSymbol::xmark, buttons});
}

QString quitTitle()
{
    return text("StoreStartup_Quit");
}

bool tellAndQuit(const QString& message, const Refusal& refused)
{
    ask(withDetails(message, refused), {quitTitle()});
    return false;
}

bool offerNewStore(const Refusal& refused)
{
    const QString file = shownPath(StoreFile::filePath());
    const QString aside = StoreFile::asidePath(AppClock::now());
    const QString problem = Localization::text(problemKey(refused.problem));
    const QString message =
        text("StoreStartup_AlertMessage_Unusable").arg(file, problem, shownPath(aside));
    if (ask(withDetails(message, refused), {quitTitle(), text("StoreStartup_StartEmpty")})
        != Alert::secondButton) {
        return false;
    }
    const StoreStatus moved = StoreFile::moveAside(aside);
    if (!moved) {
        return tellAndQuit(text("StoreStartup_AlertMessage_MoveFailed").arg(file),
                           Refusal{refused.problem, moved.error(), refused.version});
    }
    return true;
}

bool answer(const Refusal& refused)
{
    const QString file = shownPath(StoreFile::filePath());
    switch (refused.problem) {
    case Problem::newerVersion:
        return tellAndQuit(text("StoreStartup_AlertMessage_NewerVersion")
                               .arg(file, QString::number(refused.version)),
                           refused);
    case Problem::notWritable:
        return tellAndQuit(text("StoreStartup_AlertMessage_NotWritable").arg(file), refused);
    default:
        return offerNewStore(refused);
    }
}

}

bool open(const StoreLayout& layout)
{
    const std::optional<Refusal> refused =
        StoreFile::exists() ? openViewContext(layout) : StoreFile::checkFolder();
    return !refused || answer(*refused);
}

void openOrQuit()
{
    if (!open()) {
        std::exit(EXIT_FAILURE);
    }
}

}
