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

// What is wrong with a file that may be moved aside: one that is damaged or not a store. None
// for a fault outside the file, which moving it would not mend.
const char* fileFaultKey(Problem problem)
{
    switch (problem) {
    case Problem::notADatabase:
        return "StoreStartup_Problem_NotADatabase";
    case Problem::cutShort:
        return "StoreStartup_Problem_CutShort";
    case Problem::otherApplication:
        return "StoreStartup_Problem_OtherApplication";
    case Problem::tablesMissing:
        return "StoreStartup_Problem_TablesMissing";
    case Problem::damaged:
        return "StoreStartup_Problem_Damaged";
    case Problem::notWritable:
    case Problem::unreadable:
    case Problem::newerVersion:
    case Problem::upgradeFailed:
    case Problem::noSpace:
    case Problem::cannotOpen:
    case Problem::danglingLink:
    case Problem::notARegularFile:
        break;
    }
    return nullptr;
}

// The message of a fault outside the file, which leaves only quitting; its one value is the file.
const char* quitKey(Problem problem)
{
    switch (problem) {
    case Problem::notWritable:
        return "StoreStartup_AlertMessage_NotWritable";
    case Problem::unreadable:
        return "StoreStartup_AlertMessage_Unreadable";
    case Problem::upgradeFailed:
        return "StoreStartup_AlertMessage_UpgradeFailed";
    case Problem::noSpace:
        return "StoreStartup_AlertMessage_NoSpace";
    case Problem::danglingLink:
        return "StoreStartup_AlertMessage_DanglingLink";
    case Problem::notARegularFile:
        return "StoreStartup_AlertMessage_NotARegularFile";
    default:
        return "StoreStartup_AlertMessage_CannotOpen";
    }
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

bool offerNewStore(const Refusal& refused, const char* problemKey)
{
    const QString file = shownPath(StoreFile::filePath());
    const QString aside = StoreFile::asidePath(AppClock::now());
    const QString problem = text(problemKey);
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
    if (refused.problem == Problem::newerVersion) {
        return tellAndQuit(text("StoreStartup_AlertMessage_NewerVersion")
                               .arg(file, QString::number(refused.version)),
                           refused);
    }
    if (const char* fault = fileFaultKey(refused.problem)) {
        return offerNewStore(refused, fault);
    }
    return tellAndQuit(text(quitKey(refused.problem)).arg(file), refused);
}

}

bool open(const StoreLayout& layout)
{
    const std::optional<Refusal> refused =
        StoreFile::exists() ? openViewContext(layout) : StoreFile::checkPlace();
    return !refused || answer(*refused);
}

void openOrQuit()
{
    if (!open()) {
        std::exit(EXIT_FAILURE);
    }
}

}
