#include "Brisvale/platform/AlertScript.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Fatal.h"

#include <QCoreApplication>

AlertScript::AlertScript() : presenter_(AlertPresenter::shared())
{
    if (presenter_.script_) {
        Fatal::stop(QStringLiteral("Only one alert script can answer at a time"));
    }
    presenter_.setScript(this);
}

AlertScript::~AlertScript()
{
    presenter_.setScript(nullptr);
}

void AlertScript::answer(int response)
{
    answers_.push_back(Answer{Answer::Kind::button, response, QString()});
}

void AlertScript::answerPath(const QString& path)
{
    answers_.push_back(Answer{Answer::Kind::path, 0, path});
}

void AlertScript::answerCancel()
{
    answers_.push_back(Answer{Answer::Kind::cancel, 0, QString()});
}

void AlertScript::answerSheet(int response, QWidget* anchor)
{
    if (!presenter_.answerShownSheet(anchor, response)) {
        Fatal::stop(QStringLiteral("No sheet is shown to answer with %1").arg(response));
    }
}

void AlertScript::settle()
{
    while (presenter_.answersInFlight_ > 0) {
        QCoreApplication::sendPostedEvents(&presenter_);
    }
}

const Presentation& AlertScript::last() const
{
    if (shown_.isEmpty()) {
        Fatal::stop(QStringLiteral("Nothing was shown"));
    }
    return shown_.constLast();
}

AlertScript::Answer AlertScript::takeAnswer()
{
    Answer next = answers_.front();
    answers_.pop_front();
    return next;
}
