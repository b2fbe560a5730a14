#include "Brisvale/shell/CreateUserController.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Localization.h"

#include "ShellTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class CreateUserSheet : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        sheet = new CreateUserController;
        sheet->setDelegate(&receiver);
        sheet->show();
    }
    void TearDown() override
    {
        delete sheet.data();
        PageTest::TearDown();
    }

    // Types the e-mail and presses create.
    void create(const QString& email)
    {
        child<QLineEdit>(*sheet, "EmailField")->setText(email);
        child<QPushButton>(*sheet, "CreateBtn")->click();
    }

    // Creates a profile for the e-mail and returns it as stored.
    ProfilePtr createdProfile(const QString& email)
    {
        create(email);
        EXPECT_EQ(receiver.selections.size(), 1);
        return profileOnDisk(email);
    }

    void expectWarning(const AlertScript& script, const char* key) const
    {
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
        EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmarkTriangle);
        EXPECT_EQ(script.last().alert.buttons, QStringList{"OK"});
        EXPECT_EQ(script.last().alert.message, Localization::text(QLatin1String(key)));
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_TRUE(receiver.selections.isEmpty());
    }

    // Local midnight of 1 June 1970 in Europe/Berlin (UTC+1 then, no summer time).
    static constexpr double birthdayUnixSeconds = 13042800.0;

    SelectionRecorder receiver;
    QPointer<CreateUserController> sheet;
};

TEST_F(CreateUserSheet, AppearsWithItsCaptionOnAWhiteUntitledWindow)
{
    EXPECT_EQ(child<QLabel>(*sheet, "Email_Lab")->text(),
              Localization::text(QStringLiteral("CreateUserController_Email")));
    EXPECT_EQ(sheet->windowTitle(), "");
    EXPECT_EQ(sheet->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(sheet->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(sheet->isModal());
}

TEST_F(CreateUserSheet, AnEmptyEmailIsRefused)
{
    AlertScript script;
    script.answer(Alert::firstButton);
    create(QString());
    expectWarning(script, "CreateUserController_AlertMessage_EmptyEmail");
    EXPECT_EQ(profileCount(), 0);
}

TEST_F(CreateUserSheet, AKnownEmailIsRefusedComparedExactly)
{
    saveProfile({QStringLiteral("ann@x"), QStringLiteral("Ann")});
    {
        AlertScript script;
        script.answer(Alert::firstButton);
        create(QStringLiteral("ann@x"));
        expectWarning(script, "CreateUserController_AlertMessage_ExistEmail");
        EXPECT_EQ(profileCount(), 1);
    }
    // Another letter case, or blanks around it, make another e-mail.
    create(QStringLiteral("Ann@x"));
    EXPECT_EQ(profileCount(), 2);
    ASSERT_EQ(receiver.selections.size(), 1);
    EXPECT_EQ(receiver.selections.first().first->email, "Ann@x");
    EXPECT_TRUE(receiver.selections.first().second);
}

TEST_F(CreateUserSheet, BlanksAreAnEmailAsTyped)
{
    const ProfilePtr created = createdProfile(QStringLiteral("   "));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->email, "   ");
}

TEST_F(CreateUserSheet, ANewProfileOfRegionOtherGetsMetricUnitsAndDottedDates)
{
    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    const ProfilePtr created = createdProfile(QStringLiteral("ann@x"));
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->unit_type);
    EXPECT_EQ(created->date_format, 2);
    EXPECT_TRUE(created->time_format);
    EXPECT_FALSE(created->region);
    EXPECT_FALSE(created->best_Value_Type);
    ASSERT_TRUE(created->birthday.has_value());
    EXPECT_EQ(created->birthday->unixSeconds(), birthdayUnixSeconds);
    EXPECT_EQ(created->birthday->toDateTime(), QDateTime(QDate(1970, 6, 1), QTime(0, 0)));
    // The rest keeps the store's defaults; the profile page asks for a name.
    EXPECT_EQ(created->name, std::nullopt);
    EXPECT_FALSE(created->gender);
    EXPECT_EQ(created->height, 0.0f);
    EXPECT_EQ(created->weight, 0.0f);
    EXPECT_EQ(created->best_Value, 0);
}

TEST_F(CreateUserSheet, ANewProfileOfRegionUSAGetsFeetAndTwelveHours)
{
    UserDefaultHelper::setRegion(QStringLiteral("USA"));
    const ProfilePtr created = createdProfile(QStringLiteral("ann@x"));
    ASSERT_NE(created, nullptr);
    EXPECT_FALSE(created->unit_type);
    EXPECT_EQ(created->date_format, 0);
    EXPECT_FALSE(created->time_format);
    EXPECT_TRUE(created->region);
    EXPECT_FALSE(created->best_Value_Type);
    ASSERT_TRUE(created->birthday.has_value());
    EXPECT_EQ(created->birthday->unixSeconds(), birthdayUnixSeconds);
}

TEST_F(CreateUserSheet, NoOrAnUnknownStoredRegionCountsAsOther)
{
    const ProfilePtr none = createdProfile(QStringLiteral("ann@x"));
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->unit_type);
    EXPECT_EQ(none->date_format, 2);
    EXPECT_FALSE(none->region);

    UserDefaultHelper::setRegion(QStringLiteral("usa"));
    sheet = new CreateUserController;
    receiver.selections.clear();
    sheet->setDelegate(&receiver);
    sheet->show();
    const ProfilePtr unknown = createdProfile(QStringLiteral("bo@x"));
    ASSERT_NE(unknown, nullptr);
    EXPECT_TRUE(unknown->unit_type);
    EXPECT_FALSE(unknown->region);
}

TEST_F(CreateUserSheet, TheNewProfileGoesToTheDelegateWithRenewAndTheSheetCloses)
{
    create(QStringLiteral("ann@x"));
    ASSERT_EQ(receiver.selections.size(), 1);
    EXPECT_EQ(receiver.selections.first().first->email, "ann@x");
    EXPECT_NE(receiver.selections.first().first->objectID(), 0);
    EXPECT_TRUE(receiver.selections.first().second);
    deleteClosedWindows();
    EXPECT_TRUE(sheet.isNull());
}

TEST_F(CreateUserSheet, AFailedSaveShowsTheStoreFailureAlertAndTheSheetStaysOpen)
{
    viewContext();
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Profile "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    AlertScript script;
    script.answer(Alert::firstButton);
    create(QStringLiteral("ann@example.com"));
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
    EXPECT_TRUE(script.last().alert.message.startsWith(
        Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(child<QLineEdit>(*sheet, "EmailField")->text(), QStringLiteral("ann@example.com"));
    EXPECT_TRUE(receiver.selections.isEmpty());
    EXPECT_FALSE(viewContext().hasChanges());
}

// An e-mail address holds 254 typed characters; from 254 on, the note under the field says so.
TEST_F(CreateUserSheet, AnEmailHolds254TypedCharactersAndSaysSoAtTheLimit)
{
    const std::tuple<qsizetype, qsizetype, bool> cases[] = {{253, 253, false}, {254, 254, true}, {300, 254, true}};
    auto& field = *child<QLineEdit>(*sheet, "EmailField");
    for (const auto& [typed, kept, noted] : cases) {
        SCOPED_TRACE(typed);
        field.selectAll();
        field.insert(QString(typed - 6, QLatin1Char('a')) + QStringLiteral("@x.org"));
        EXPECT_EQ(field.text().size(), kept);
        EXPECT_EQ(child<QLabel>(*sheet, "EmailNoteLab")->isVisible(), noted);
        EXPECT_EQ(field.accessibleDescription(),
                  noted ? Localization::text(QStringLiteral("CreateUserController_EmailLimit"),
                                             Localization::Placeholder::count, QStringLiteral("254"))
                        : QString());
    }
}

// A pasted e-mail address that the field can't hold is refused whole, never cut to another
// address, and the note under the field says why.
TEST_F(CreateUserSheet, APastedEmailThatDoesNotFitIsRefusedWholeAndTheNoteSaysSo)
{
    const QString domain = QStringLiteral("@example.com");
    const QString fits = QString(242, QLatin1Char('a')) + domain;
    const struct {
        const char* name;
        QString before;
        QString pasted;
        QString after;
    } cases[] = {
        {"255 characters into an empty field", QString(), QLatin1Char('a') + fits, QString()},
        {"its domain after 250 characters", QString(250, QLatin1Char('a')), domain, QString(250, QLatin1Char('a'))},
        {"254 characters", QString(), fits, fits},
    };
    auto& field = *child<QLineEdit>(*sheet, "EmailField");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        field.setText(test.before);
        QGuiApplication::clipboard()->setText(test.pasted);
        QTest::keySequence(&field, QKeySequence::Paste);
        EXPECT_EQ(field.text(), test.after);
        EXPECT_TRUE(child<QLabel>(*sheet, "EmailNoteLab")->isVisible());
        EXPECT_EQ(field.accessibleDescription(), Localization::text(QStringLiteral("CreateUserController_EmailLimit"),
                                                                    Localization::Placeholder::count,
                                                                    QStringLiteral("254")));
    }
}
