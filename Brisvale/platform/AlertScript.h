#pragma once

#include "Brisvale/platform/Presentation.h"

#include <QList>
#include <QString>
#include <deque>

class AlertPresenter;

// Answers the presenter instead of a person, for tests. While one exists nothing is shown on
// screen: every alert, sheet and panel is recorded and answered from the script, in the order they
// appear. An alert or panel without a scripted answer stops the program (a test that forgot one);
// a sheet without one stays on its window until answerSheet.
class AlertScript {
public:
    AlertScript();
    ~AlertScript();
    AlertScript(const AlertScript&) = delete;
    AlertScript& operator=(const AlertScript&) = delete;

    // The next alert or sheet shown is answered with this button (1000, 1001, 1002). A sheet's
    // answer arrives through the event loop, as a person's would: see settle().
    void answer(int response);

    // The next panel chooses this path.
    void answerPath(const QString& path);

    // The next panel is cancelled.
    void answerCancel();

    // Answers the sheet now shown on the anchor's window, or the one shown first of all when no
    // anchor is given; its completion runs before this returns.
    void answerSheet(int response, QWidget* anchor = nullptr);

    // Lets the scripted sheet answers that are on their way arrive.
    void settle();

    // Everything shown so far, in order.
    const QList<Presentation>& shown() const { return shown_; }

    // The last thing shown (the program stops when nothing was).
    const Presentation& last() const;

    // Scripted answers not used yet.
    int unusedAnswers() const { return static_cast<int>(answers_.size()); }

private:
    friend class AlertPresenter;

    struct Answer {
        enum class Kind { button, path, cancel };
        Kind kind = Kind::button;
        int response = 0;
        QString path;
    };

    void record(const Presentation& presentation) { shown_.append(presentation); }
    bool hasAnswer() const { return !answers_.empty(); }
    Answer takeAnswer();

    AlertPresenter& presenter_;
    std::deque<Answer> answers_;
    QList<Presentation> shown_;
};
