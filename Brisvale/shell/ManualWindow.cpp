#include "Brisvale/shell/ManualWindow.h"

#include "Brisvale/platform/ButtonKeys.h"
#include "Brisvale/platform/DocumentAccessible.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/shell/HelpManual.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <optional>

namespace {

// The link of the character at the position in the document; none when it is no link's.
QString linkAt(const QTextDocument& document, int position)
{
    const QTextBlock block = document.findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().contains(position)) {
            return it.fragment().charFormat().anchorHref();
        }
    }
    return {};
}

// Where the anchor of the name stands in the document, if it has one.
std::optional<int> anchorPosition(const QTextDocument& document, const QString& name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) {
                return it.fragment().position();
            }
        }
    }
    return std::nullopt;
}

}

ManualWindow::ManualWindow(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ManualWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = Localization::text(QStringLiteral("ViewController_Menu_Manual"));
    setWindowTitle(title);

    // A reader moves through the manual by line: the arrow keys move a caret, which it follows,
    // and Return follows the link at the caret. Tab goes on to Close: stepping through the
    // contents' links, a reader heard nothing at all.
    DocumentAccessible::install();
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    browser->setAccessibleName(title);
    browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                     | Qt::LinksAccessibleByMouse);
    browser->setHtml(HelpManual::text());
    browser->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Look::styleDefaultButton(*buttons->button(QDialogButtonBox::Close));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 720);
    browser->setFocus();
}

// Return and Enter in the text follow the link at the caret, and do nothing elsewhere: the window
// took them for its Close button, wherever the caret stood.
bool ManualWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == browser && event->type() == QEvent::KeyPress
        && ButtonKeys::isReturn(*static_cast<QKeyEvent*>(event))) {
        followLinkAtCaret();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The caret stands on a link when the character after it, or else the one before it, is the
// link's. The link is followed as a click follows it, and the caret goes with it to the place it
// names, where a reader reads on.
void ManualWindow::followLinkAtCaret()
{
    const QTextDocument& document = *browser->document();
    const int caret = browser->textCursor().position();
    QString link = linkAt(document, caret);
    if (link.isEmpty() && caret > 0) {
        link = linkAt(document, caret - 1);
    }
    if (link.isEmpty()) {
        return;
    }
    const QUrl url = browser->source().resolved(QUrl(link));
    browser->setSource(url);
    if (const std::optional<int> target = anchorPosition(document, url.fragment())) {
        QTextCursor cursor(browser->document());
        cursor.setPosition(*target);
        browser->setTextCursor(cursor);
    }
}
