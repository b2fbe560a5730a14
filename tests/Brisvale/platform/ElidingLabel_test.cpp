#include "Brisvale/platform/ElidingLabel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QTextDocument>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>

// A cut text of any length shows in a tooltip of bounded size, wholly on screen even at its
// corner: at most a few hundred characters, ending in "…" when the text goes on, in lines of a
// fixed width, broken within a word wider than that; a reader still gets the whole text.
TEST(ElidingLabel, ATooltipShowsAFewHundredCharactersOfTheTextWhollyOnScreen)
{
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("Ann Marie Example"), false},
        {QStringLiteral("Ann Marie ").repeated(1000), true},
        {QString(10000, QLatin1Char('W')), true},
        {QStringLiteral("Ann Marie ").repeated(100000), true},
        {QStringLiteral("Ann\n").repeated(10000), true},
    };
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const int line = QFontMetrics(QToolTip::font()).lineSpacing();
    for (const auto& [text, cut] : cases) {
        SCOPED_TRACE(text.size());
        ElidingLabel label;
        label.setFixedWidth(60);
        label.setText(text);
        label.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), screen.bottomRight() - QPoint(2, 2));
        QApplication::sendEvent(&label, &help);
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto shownTip = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->inherits("QTipLabel") && window->isVisible();
        });
        ASSERT_NE(shownTip, windows.end());
        const QWidget* tip = *shownTip;
        EXPECT_TRUE(screen.contains(tip->frameGeometry()));
        EXPECT_LE(tip->width(), ElidingLabel::toolTipWidth + 2 * line);
        EXPECT_LE(tip->height(), (ElidingLabel::toolTipLines + 2) * line);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        const QString plain = shown.toPlainText();
        EXPECT_LE(plain.size(), ElidingLabel::toolTipLength + ElidingLabel::toolTipLines + 1);
        EXPECT_EQ(plain.endsWith(QStringLiteral("…")), cut);
        // Compared without printing: a failure would print the whole text.
        EXPECT_TRUE(text.startsWith(plain.section(QLatin1Char('\n'), 0, 0)));
        EXPECT_TRUE(label.accessibleDescription() == text);
        QToolTip::hideText();
    }
}
