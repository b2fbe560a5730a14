#include "Brisvale/shell/ConnectionPFM.h"

#include "MeterTestSupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The profiles the sheet hands back, with their renew flags.
class ChoiceRecorder : public QObject, public UserList_ReturnDelegate {
public:
    void userDidSelect(const ProfilePtr& profile, bool renew) override { choices.append({profile, renew}); }
    QList<std::pair<ProfilePtr, bool>> choices;
};

}

class ConnectionPFMTest : public MeterTest {
protected:
    void TearDown() override
    {
        if (sheet) {
            sheet->close();
        }
        MeterTest::TearDown();
    }

    void openSheet()
    {
        sheet = new ConnectionPFM(&host.window);
        sheet->setDelegate(&recorder);
        sheet->open();
    }

    QTableWidget* table() const { return sheet->findChild<QTableWidget*>(QStringLiteral("TableView")); }
    QPushButton* button(const char* name) const { return sheet->findChild<QPushButton*>(QLatin1String(name)); }

    ChoiceRecorder recorder;
    QPointer<ConnectionPFM> sheet;
};

TEST_F(ConnectionPFMTest, ListsEveryProfileInStoreOrderWithItsNameOrEmail)
{
    storeProfile(QStringLiteral("anna@example.org"), 400, false, QStringLiteral("Anna"));
    storeProfile(QStringLiteral("ben@example.org"), 400);
    storeProfile(QStringLiteral("cleo@example.org"), 400, false, QString());
    openSheet();
    ASSERT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(table()->item(0, 0)->text(), QStringLiteral("Anna"));
    EXPECT_EQ(table()->item(1, 0)->text(), QStringLiteral("User Email : ben@example.org"));
    EXPECT_EQ(table()->item(2, 0)->text(), QStringLiteral("User Email : cleo@example.org"));
    EXPECT_EQ(table()->columnCount(), 1);
    EXPECT_EQ(table()->horizontalHeaderItem(0)->text(), QStringLiteral("Profile"));
    EXPECT_EQ(table()->rowHeight(0), 40);
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("Title_Lab"))->text(), Localization::text(QStringLiteral("ConnectionPFM_Title")));
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("SubTitle_Lab"))->text(), Localization::text(QStringLiteral("ConnectionPFM_Remind")));
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("Question_Lab"))->text(), Localization::text(QStringLiteral("ConnectionPFM_Question")));
    EXPECT_TRUE(sheet->windowTitle().isEmpty());
    EXPECT_FALSE(sheet->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(ConnectionPFMTest, TheCurrentUserIsPreselectedAndYesHandsItBack)
{
    storeProfile(QStringLiteral("anna@example.org"), 400);
    const ProfilePtr ben = storeProfile(QStringLiteral("ben@example.org"), 400);
    UserDefaultHelper::setEmail(QStringLiteral("ben@example.org"));
    openSheet();
    EXPECT_EQ(sheet->pickedUser(), ben);
    EXPECT_EQ(sheet->pickedRow(), 1);
    EXPECT_EQ(table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table()->selectionModel()->selectedRows().first().row(), 1);
    button("Yes_Btn")->click();
    ASSERT_EQ(recorder.choices.size(), 1);
    EXPECT_EQ(recorder.choices[0].first, ben);
    EXPECT_TRUE(recorder.choices[0].second);
    EXPECT_TRUE(printed(QStringLiteral("clickedUser: ben@example.org")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
}

TEST_F(ConnectionPFMTest, WithoutAMatchRowZeroShowsSelectedButYesAsksForAChoice)
{
    storeProfile(QStringLiteral("anna@example.org"), 400);
    const ProfilePtr ben = storeProfile(QStringLiteral("ben@example.org"), 400);
    UserDefaultHelper::setEmail(QStringLiteral("gone@example.org"));
    openSheet();
    EXPECT_EQ(sheet->pickedUser(), nullptr);
    EXPECT_EQ(table()->selectionModel()->selectedRows().first().row(), 0);
    script.answer(Alert::firstButton);
    sheet->YesHandler();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("ConnectionPFM_AlertMessage_SelectUser")));
    EXPECT_TRUE(recorder.choices.isEmpty());
    EXPECT_TRUE(sheet->isVisible());
    // Picking a row makes the choice.
    table()->selectRow(1);
    EXPECT_EQ(sheet->pickedUser(), ben);
    sheet->YesHandler();
    ASSERT_EQ(recorder.choices.size(), 1);
    EXPECT_EQ(recorder.choices[0].first, ben);
}

TEST_F(ConnectionPFMTest, WithNoProfilesYesIsDisabled)
{
    openSheet();
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_FALSE(button("Yes_Btn")->isEnabled());
}

TEST_F(ConnectionPFMTest, NoAndEscCloseWithoutAChoice)
{
    storeProfile(QStringLiteral("anna@example.org"), 400);
    UserDefaultHelper::setEmail(QStringLiteral("anna@example.org"));
    openSheet();
    button("No_Btn")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());

    openSheet();
    QTest::keyClick(sheet, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_TRUE(recorder.choices.isEmpty());
}

TEST_F(ConnectionPFMTest, ShowingTheSheetAgainListsEachProfileOnce)
{
    storeProfile(QStringLiteral("anna@example.org"), 400);
    openSheet();
    sheet->hide();
    sheet->show();
    EXPECT_EQ(sheet->users().size(), 1);
    EXPECT_EQ(table()->rowCount(), 1);
}
