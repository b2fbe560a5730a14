#include "Brisvale/shell/ConnectionPFM.h"

#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/CurrentUserRow.h"
#include "Brisvale/shell/MyNSTableRowView.h"
#include "Brisvale/shell/StoreFailure.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

}

ConnectionPFM::ConnectionPFM(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    // No close, minimise or zoom button: the sheet is left with its own buttons only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    Look::styleSheetWindow(*this);

    Title_Lab = namedLabel("Title_Lab");
    QFont titleFont = Title_Lab->font();
    titleFont.setPixelSize(22);
    titleFont.setWeight(QFont::DemiBold);
    Title_Lab->setFont(titleFont);
    SubTitle_Lab = namedLabel("SubTitle_Lab");
    Question_Lab = namedLabel("Question_Lab");
    QFont questionFont = Question_Lab->font();
    questionFont.setPixelSize(15);
    questionFont.setWeight(QFont::DemiBold);
    Question_Lab->setFont(questionFont);
    buildTable();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(Title_Lab);
    layout->addWidget(SubTitle_Lab);
    // The question stands right above the list it asks about.
    auto* choice = new QVBoxLayout;
    choice->setSpacing(4);
    choice->addWidget(Question_Lab);
    choice->addWidget(TableView, 1);
    layout->addSpacing(6);
    layout->addLayout(choice, 1);
    layout->addLayout(buildButtons());
    resize(420, 420);
}

void ConnectionPFM::buildTable()
{
    TableView = new QTableWidget(0, 1);
    TableView->setObjectName(QStringLiteral("TableView"));
    TableView->setHorizontalHeaderItem(0, new QTableWidgetItem(Localization::text(QStringLiteral("ConnectionPFM_ProfileColumn"))));
    TableView->horizontalHeader()->hide();
    TableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TableView->verticalHeader()->hide();
    TableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableView->verticalHeader()->setDefaultSectionSize(rowHeight);
    TableView->setShowGrid(false);
    TableView->setFrameShape(QFrame::NoFrame);
    TableView->setSelectionMode(QAbstractItemView::SingleSelection);
    TableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MyNSTableRowView::install(*TableView);
    connect(TableView, &QTableWidget::pressed, this, [this](const QModelIndex& index) { shouldSelectRow(index.row()); });
    connect(TableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ConnectionPFM::userSelectionChanged);
}

QLayout* ConnectionPFM::buildButtons()
{
    No_Btn = new QPushButton(DialogueButtons::no());
    No_Btn->setObjectName(QStringLiteral("No_Btn"));
    No_Btn->setAutoDefault(false);
    Look::styleButton(*No_Btn);
    connect(No_Btn, &QPushButton::clicked, this, &ConnectionPFM::NoHandler);

    Yes_Btn = new QPushButton(DialogueButtons::yes());
    Yes_Btn->setObjectName(QStringLiteral("Yes_Btn"));
    Yes_Btn->setDefault(true);
    Look::styleDefaultButton(*Yes_Btn);
    connect(Yes_Btn, &QPushButton::clicked, this, &ConnectionPFM::YesHandler);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(No_Btn);
    buttons->addWidget(Yes_Btn);
    return buttons;
}

void ConnectionPFM::showEvent(QShowEvent* event)
{
    willAppear();
    Look::styleSheetWindow(*this);
    QDialog::showEvent(event);
}

void ConnectionPFM::willAppear()
{
    Title_Lab->setText(Localization::text(QStringLiteral("ConnectionPFM_Title")));
    // The sheet has no window title; a reader names it by its heading.
    setAccessibleName(Title_Lab->text());
    SubTitle_Lab->setText(Localization::text(QStringLiteral("ConnectionPFM_Remind")));
    Question_Lab->setText(Localization::text(QStringLiteral("ConnectionPFM_Question")));
    StoreResult<QList<ProfilePtr>> profiles = viewContext().fetchProfiles();
    if (!profiles) {
        StoreFailure::stopFetchFailed(profiles.error());
    }
    // Listed afresh on every appearance, so showing the sheet again never lists a profile twice.
    userList = profiles.value();
    Accessibility::enableOrSayWhy(*Yes_Btn, !userList.isEmpty(), QStringLiteral("ConnectionPFM_Yes_NoProfile"));
    reloadTable();
    selectCurrentUser();
}

QString ConnectionPFM::rowText(const Profile& profile)
{
    // An empty name shows like none: the row would otherwise be blank.
    if (profile.name && !profile.name->isEmpty()) {
        return *profile.name;
    }
    return QStringLiteral("User Email : ") + profile.email.value_or(QString());
}

void ConnectionPFM::reloadTable()
{
    TableView->clearContents();
    TableView->setRowCount(static_cast<int>(userList.size()));
    for (int row = 0; row < TableView->rowCount(); ++row) {
        auto* item = new QTableWidgetItem(rowText(*userList.at(row)));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setData(Qt::AccessibleTextRole, spokenUserRow(*userList.at(row)));
        TableView->setItem(row, 0, item);
    }
}

// The current user's row, matched by the stored e-mail. With no match row 0 shows selected, but
// nothing is picked until the user picks a row.
void ConnectionPFM::selectCurrentUser()
{
    const std::optional<int> match = currentUserRow(userList);
    clickedUser = match ? userList.at(*match) : nullptr;
    currentRow = match.value_or(0);
    selectingCurrentUser = true;
    TableView->clearSelection();
    if (currentRow < TableView->rowCount()) {
        TableView->setCurrentCell(currentRow, 0);
        TableView->selectRow(currentRow);
        TableView->scrollTo(TableView->model()->index(currentRow, 0));
    }
    selectingCurrentUser = false;
}

void ConnectionPFM::userSelectionChanged()
{
    const int row = TableView->currentRow();
    if (!selectingCurrentUser && row >= 0) {
        shouldSelectRow(row);
    }
}

bool ConnectionPFM::shouldSelectRow(int row)
{
    if (row >= 0 && row < userList.size()) {
        clickedUser = userList.at(row);
        currentRow = row;
    }
    return true;
}

void ConnectionPFM::YesHandler()
{
    if (finished) {
        return;
    }
    if (!clickedUser) {
        AlertPresenter::shared().runModal(
            Alert{Localization::text(QStringLiteral("ConnectionPFM_AlertMessage_SelectUser")), AlertSymbol::none, {}});
        return;
    }
    finished = true;
    Console::printLine(QStringLiteral("clickedUser: ") + clickedUser->email.value_or(QString()));
    const ProfilePtr chosen = clickedUser;
    if (UserList_ReturnDelegate* receiver = delegate.get()) {
        receiver->userDidSelect(chosen, true);
    }
    done(QDialog::Accepted);
}

void ConnectionPFM::NoHandler()
{
    if (finished) {
        return;
    }
    finished = true;
    done(QDialog::Rejected);
}

void ConnectionPFM::reject()
{
    NoHandler();
}
