#pragma once

#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/AppDelegate.h"
#include "Brisvale/shell/ViewController.h"
#include "Brisvale/shell/WindowController.h"

#include "Brisvale/records/StoreTestSupport.h"
#include "support/QtPrinters.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMap>
#include <QStringList>
#include <memory>

// The main window as a user with a month of readings finds it, and a walk through its pages and
// the Data page's tabs, back and forth.
class WindowLayout : public FreshStore {
protected:
    // A page of the window and, on the Data page, a tab.
    struct Visit {
        int page;
        int tab = DataController::TABLE_TABTAG;
        const char* name;
    };

    // Every page, then every tab, then back again, so that each layout is met after every other.
    static constexpr Visit walk[] = {
        {ViewController::OVERVIEW_TABTAG, DataController::TABLE_TABTAG, "overview"},
        {ViewController::DATA_TABTAG, DataController::TABLE_TABTAG, "table"},
        {ViewController::DATA_TABTAG, DataController::PEF_TABTAG, "PEF chart"},
        {ViewController::DATA_TABTAG, DataController::FEV1_TABTAG, "FEV1 chart"},
        {ViewController::DATA_TABTAG, DataController::PEF_TABTAG, "PEF chart"},
        {ViewController::DATA_TABTAG, DataController::TABLE_TABTAG, "table"},
        {ViewController::PROFILE_TABTAG, DataController::TABLE_TABTAG, "profile"},
        {ViewController::SETTINGS_TABTAG, DataController::TABLE_TABTAG, "settings"},
        {ViewController::DATA_TABTAG, DataController::FEV1_TABTAG, "FEV1 chart"},
        {ViewController::DATA_TABTAG, DataController::TABLE_TABTAG, "table"},
        {ViewController::OVERVIEW_TABTAG, DataController::TABLE_TABTAG, "overview"},
    };

    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([](const QString&) {});
        storeUserWithReadings();
        delegate = std::make_unique<AppDelegate>();
        window = std::make_unique<WindowController>(*delegate, nullptr);
        window->show();
        settle();
    }
    void TearDown() override
    {
        window.reset();
        delegate.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Console::setCapture({});
        FreshStore::TearDown();
    }

    // Readings on each of the 30 days before the last one, PEF up to the meter's cap, so that the
    // charts' axes carry their widest labels.
    static void storeUserWithReadings()
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = QStringLiteral("ann@example.com");
        profile->name = QStringLiteral("Ann");
        profile->best_Value = 500;
        const QDateTime last(QDate(2026, 3, 10), QTime(8, 0));
        for (int day = 0; day < 30; ++day) {
            PFMPtr reading = context.insertReading(profile);
            reading->measureDate = Timestamp::fromDateTime(last.addDays(-day));
            reading->pefValue = day == 3 ? 900 : 300 + 10 * day;
            reading->fev1Value = 2.0f + 0.05f * float(day);
        }
        ASSERT_TRUE(context.save().ok());
        UserDefaultHelper::setRegion(QStringLiteral("Other"));
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    }

    void go(const Visit& visit)
    {
        ViewController& content = *window->contentViewController();
        content.switchPageHandler(visit.page);
        ASSERT_EQ(content.currentPage(), visit.page) << visit.name;
        if (visit.page == ViewController::DATA_TABTAG) {
            content.dataPage()->SwitchPageHandler(visit.tab);
            ASSERT_EQ(content.dataPage()->CurrentlyPage, visit.tab) << visit.name;
        }
        settle();
    }

    static void settle()
    {
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    static bool scrolls(const QWidget& widget)
    {
        for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget()) {
            const auto* area = qobject_cast<const QAbstractScrollArea*>(up->parentWidget());
            if (area && area->viewport() == up) {
                return true;
            }
        }
        return false;
    }

    // The visible widgets of the window that don't scroll inside a view, by their object names,
    // classes and places among their siblings up to the window, with their places in the window.
    QMap<QString, QRect> shownGeometry() const
    {
        QMap<QString, QRect> shown;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != window.get() || scrolls(*widget)) {
                continue;
            }
            QString path;
            for (const QWidget* up = widget; up != window.get(); up = up->parentWidget()) {
                path.prepend(QStringLiteral("/%1:%2#%3")
                                 .arg(up->objectName(), QLatin1String(up->metaObject()->className()))
                                 .arg(up->parent()->children().indexOf(up)));
            }
            shown.insert(path, QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size()));
        }
        return shown;
    }

    // The shown widgets that stick out of the window, or have no room at all.
    QStringList outside() const
    {
        QStringList found;
        const QMap<QString, QRect> shown = shownGeometry();
        for (auto at = shown.begin(); at != shown.end(); ++at) {
            if (!window->rect().contains(at.value()) || at.value().isEmpty()) {
                found << at.key() + QStringLiteral(" at ") + toString(at.value());
            }
        }
        return found;
    }

    static QString toString(const QRect& rect)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    }

    // The widgets shown at one visit and not at the other, or elsewhere.
    static QStringList moved(const QMap<QString, QRect>& before, const QMap<QString, QRect>& after)
    {
        QStringList found;
        for (auto at = before.begin(); at != before.end(); ++at) {
            if (after.value(at.key()) != at.value()) {
                found << at.key() + QStringLiteral(" was at ") + toString(at.value());
            }
        }
        for (auto at = after.begin(); at != after.end(); ++at) {
            if (!before.contains(at.key())) {
                found << at.key() + QStringLiteral(" came at ") + toString(at.value());
            }
        }
        return found;
    }

    // Walks the window, which must keep its size: every shown widget lies inside it on every visit,
    // and a page or tab shown again has the layout it had the first time.
    void expectEveryControlInsideOnEveryVisit()
    {
        const QSize size = window->size();
        QMap<QString, QMap<QString, QRect>> firstSeen;
        for (const Visit& visit : walk) {
            SCOPED_TRACE(visit.name);
            go(visit);
            EXPECT_EQ(window->size(), size);
            EXPECT_EQ(outside(), QStringList());
            const QMap<QString, QRect> shown = shownGeometry();
            const QString name = QLatin1String(visit.name);
            if (!firstSeen.contains(name)) {
                firstSeen.insert(name, shown);
            } else {
                EXPECT_EQ(moved(firstSeen.value(name), shown), QStringList());
            }
        }
    }

    // The Overview shows ordinary names whole, in the room beside them: a name fits in the width
    // it asks for, whatever the fractions of a pixel its letters take.
    void expectOrdinaryNamesShownWhole()
    {
        const char* const names[] = {"Ann Example", "Ann Examiner", "Anna Müller", "Olga Ivanova", "Maria Garcia",
                                     "Peter Parker", "Jean Dupont", "Zoë Brown", "Sam Taylor", "Lee Wong",
                                     "John Smith", "Bo Li", "Ann"};
        const ProfilePtr profile = viewContext().fetchProfile(UserDefaultHelper::email()).value();
        const ElidingLabel& shown = *window->contentViewController()->overviewPage()->userNameTextField;
        for (const char* name : names) {
            SCOPED_TRACE(name);
            profile->name = QString::fromUtf8(name);
            ASSERT_TRUE(viewContext().save().ok());
            go(walk[6]);
            go(walk[0]);
            EXPECT_EQ(shown.shownText(), QString::fromUtf8(name));
            EXPECT_EQ(shown.toolTip(), QString());
        }
    }

    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<WindowController> window;
};
