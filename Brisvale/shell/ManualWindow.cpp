#include "Brisvale/shell/ManualWindow.h"

#include "Brisvale/platform/DocumentAccessible.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/shell/HelpManual.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ManualWindow::ManualWindow(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ManualWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = Localization::text(QStringLiteral("ViewController_Menu_Manual"));
    setWindowTitle(title);

    // A reader moves through the manual by line: the arrow keys move a caret, which it follows.
    // Tab goes on to Close: stepping through the contents' links, a reader heard nothing at all.
    DocumentAccessible::install();
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    browser->setAccessibleName(title);
    browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                     | Qt::LinksAccessibleByMouse);
    browser->setHtml(HelpManual::text());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Look::styleDefaultButton(*buttons->button(QDialogButtonBox::Close));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 720);
    browser->setFocus();
}
