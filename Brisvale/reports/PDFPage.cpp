#include "Brisvale/reports/PDFPage.h"

#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/reports/ReportPicture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int sideMargin = (PDFPage::pageWidth - ReportPicture::frameWidth) / 2;
constexpr int topMargin = 40;
constexpr int bottomMargin = 32;
const QColor quietText(110, 110, 110);

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, int pixelSize, bool bold)
{
    auto* label = new Label(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

void setQuiet(QLabel& label)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, quietText);
    label.setPalette(palette);
}

}

PDFPage::PDFPage(int pageNum, const QString& pageNumName, QWidget* parent) : QWidget(parent)
{
    setFixedSize(pageWidth, pageHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(30, 30, 30));
    setPalette(palette);
    setAutoFillBackground(true);

    QLabel* title = makeLabel(this, QStringLiteral("Title_Lab"), 26, true);
    title->setText(Localization::text(QStringLiteral("PDFFile_Title")));
    QLabel* secondTitle = makeLabel(this, QStringLiteral("SecondTitle_Lab"), 15, false);
    secondTitle->setText(Localization::text(QStringLiteral("PDFFile_SecondTitle")));
    setQuiet(*secondTitle);
    QLabel* bottomTitle = makeLabel(this, QStringLiteral("BottomTitle_Lab"), 12, false);
    bottomTitle->setText(Localization::text(QStringLiteral("PDFFile_Botton_Title")));
    bottomTitle->setWordWrap(true);
    setQuiet(*bottomTitle);
    QLabel* number = makeLabel(this, pageNumName, 12, false);
    number->setText(QString::number(pageNum));
    setQuiet(*number);

    auto* rule = new QFrame(this);
    rule->setFixedHeight(2);
    QPalette accent = rule->palette();
    accent.setColor(QPalette::Window, Look::accent());
    rule->setPalette(accent);
    rule->setAutoFillBackground(true);

    auto* footer = new QHBoxLayout;
    footer->addWidget(bottomTitle, 1);
    footer->addWidget(number, 0, Qt::AlignRight | Qt::AlignBottom);
    content_ = new QVBoxLayout;
    content_->setSpacing(12);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(sideMargin, topMargin, sideMargin, bottomMargin);
    page->setSpacing(8);
    page->addWidget(title);
    page->addWidget(secondTitle);
    page->addWidget(rule);
    page->addSpacing(12);
    page->addLayout(content_);
    page->addStretch(1);
    page->addLayout(footer);
}

void PDFPage::prepareForRendering()
{
    ensurePolished();
    if (layout()) {
        layout()->activate();
    }
}

QLabel* PDFPage::addLabel(const char* name, int pixelSize, bool bold)
{
    return makeLabel(this, QLatin1String(name), pixelSize, bold);
}

ElidingLabel* PDFPage::addElidingLabel(const char* name, int pixelSize, bool bold)
{
    return makeLabel<ElidingLabel>(this, QLatin1String(name), pixelSize, bold);
}

ReportPicture* PDFPage::addPicture(const char* name, const QUrl& file)
{
    return new ReportPicture(QLatin1String(name), file, this);
}
