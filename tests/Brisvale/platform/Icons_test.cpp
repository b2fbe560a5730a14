#include "Brisvale/platform/Icons.h"

#include "Brisvale/platform/Alert.h"
#include "Brisvale/platform/Look.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QStringList iconNames = {"icon_User_male",   "icon_User_female",  "checkmark",
                               "questionmark",     "xmark",            "exclamationmark",   "exclamationmark.triangle",
                               "main menu_01_1",   "main menu_01_1_1",  "main menu_01_2",
                               "main menu_01_2_1", "main menu_01_3",    "main menu_01_3_1",
                               "main menu_01_4",   "main menu_01_4_1",  "button_Sync_yes",
                               "button_Sync_no",   "button_Help",       "button_chart_01_1",
                               "button_chart_01_2", "button_chart_02_1", "button_chart_02_2",
                               "button_chart_03_1", "button_chart_03_2", "button_Download",
                               "button_Delete"};

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

// The colour of the most opaque pixel: the stroke's own colour.
QColor strokeColour(const QImage& image)
{
    QRgb best = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > qAlpha(best)) {
                best = image.pixel(x, y);
            }
        }
    }
    return QColor::fromRgba(best);
}

}

TEST(Icons, EveryIconLoadsAndDrawsAnOutline)
{
    for (const QString& name : iconNames) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(Icons::contains(name));
        const QImage image = Icons::image(name, QSize(48, 48));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(48, 48));
        // An outline: clearly drawn, yet most of the square stays transparent.
        const int opaque = opaquePixels(image);
        EXPECT_GT(opaque, 48 * 48 / 20);
        EXPECT_LT(opaque, 48 * 48 / 2);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(47, 47)), 0);
    }
}

TEST(Icons, AlertSymbolsAreTheIconsOfTheirNamesInTheAccentColour)
{
    for (const AlertSymbol symbol : {AlertSymbol::checkmark, AlertSymbol::questionmark, AlertSymbol::xmark,
                                     AlertSymbol::exclamationmark, AlertSymbol::exclamationmarkTriangle}) {
        const QString name = alertSymbolName(symbol);
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(Icons::contains(name));
        EXPECT_EQ(strokeColour(Icons::image(name, QSize(48, 48))).rgb(), Look::accent().rgb());
    }
    EXPECT_EQ(alertSymbolName(AlertSymbol::exclamationmarkTriangle), QStringLiteral("exclamationmark.triangle"));
    EXPECT_TRUE(alertSymbolName(AlertSymbol::none).isEmpty());
    EXPECT_FALSE(Icons::contains(QString()));
}

TEST(Icons, TheTwoUserIconsDiffer)
{
    EXPECT_NE(Icons::image(QStringLiteral("icon_User_male"), QSize(32, 32)),
              Icons::image(QStringLiteral("icon_User_female"), QSize(32, 32)));
}

TEST(Icons, HighDensityImagesHaveMorePixelsForTheSameSize)
{
    const QImage image = Icons::image(QStringLiteral("checkmark"), QSize(24, 24), 2.0);
    EXPECT_EQ(image.size(), QSize(48, 48));
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 2.0);
    const QPixmap pixmap = Icons::pixmap(QStringLiteral("checkmark"), QSize(24, 24), 2.0);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(24, 24));
}

TEST(Icons, AnIconScalesToEveryRequestedSize)
{
    const QIcon icon = Icons::icon(QStringLiteral("icon_User_male"));
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 32, 70}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_GT(opaquePixels(image), 0);
    }
    // A disabled icon is drawn fainter.
    const QImage disabled = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
    EXPECT_EQ(opaquePixels(disabled), 0);
    EXPECT_GT(qAlpha(strokeColour(disabled).rgba()), 0);
}

TEST(Icons, UnknownNamesAndUnusableSizesGiveNothing)
{
    EXPECT_FALSE(Icons::contains(QStringLiteral("button_Sync_yes_missing")));
    EXPECT_TRUE(Icons::image(QStringLiteral("nothing"), QSize(24, 24)).isNull());
    EXPECT_TRUE(Icons::icon(QStringLiteral("nothing")).isNull());
    EXPECT_TRUE(Icons::image(QStringLiteral("checkmark"), QSize(0, 24)).isNull());
    EXPECT_TRUE(Icons::image(QStringLiteral("checkmark"), QSize(24, 24), 0.0).isNull());
    EXPECT_TRUE(Icons::image(QStringLiteral("checkmark"), QSize(24, 24), 1e300).isNull());
    EXPECT_TRUE(Icons::image(QStringLiteral("checkmark"), QSize(24, 24), std::nan("")).isNull());
}

TEST(Icons, DataTabImagesAreOneDrawingInTwoColours)
{
    for (int tab = 1; tab <= 3; ++tab) {
        const QString selected = QStringLiteral("button_chart_0%1_1").arg(tab);
        const QString normal = QStringLiteral("button_chart_0%1_2").arg(tab);
        SCOPED_TRACE(normal.toStdString());
        const QImage normalImage = Icons::image(normal, QSize(32, 32));
        const QImage selectedImage = Icons::image(selected, QSize(32, 32));
        EXPECT_EQ(strokeColour(selectedImage).rgb(), Look::accent().rgb());
        EXPECT_NE(strokeColour(normalImage).rgb(), Look::accent().rgb());
        EXPECT_EQ(opaquePixels(normalImage), opaquePixels(selectedImage));
    }
}

TEST(Icons, MenuSyncAndHelpImagesExistAndTheSelectedOnesAreInTheAccentColour)
{
    for (int page = 1; page <= 4; ++page) {
        const QString normal = QStringLiteral("main menu_01_%1").arg(page);
        const QString selected = normal + QStringLiteral("_1");
        SCOPED_TRACE(normal.toStdString());
        ASSERT_TRUE(Icons::contains(normal));
        ASSERT_TRUE(Icons::contains(selected));
        const QImage normalImage = Icons::image(normal, QSize(32, 32));
        const QImage selectedImage = Icons::image(selected, QSize(32, 32));
        EXPECT_EQ(strokeColour(selectedImage).rgb(), Look::accent().rgb());
        EXPECT_NE(strokeColour(normalImage).rgb(), Look::accent().rgb());
        // The same drawing in two colours.
        EXPECT_EQ(opaquePixels(normalImage), opaquePixels(selectedImage));
    }
    // Each page has a drawing of its own.
    EXPECT_NE(Icons::image(QStringLiteral("main menu_01_1"), QSize(32, 32)),
              Icons::image(QStringLiteral("main menu_01_2"), QSize(32, 32)));
    EXPECT_NE(Icons::image(QStringLiteral("main menu_01_3"), QSize(32, 32)),
              Icons::image(QStringLiteral("main menu_01_4"), QSize(32, 32)));
    // The sync button is in the accent colour while it can be used, faint otherwise.
    EXPECT_EQ(strokeColour(Icons::image(QStringLiteral("button_Sync_yes"), QSize(32, 32))).rgb(),
              Look::accent().rgb());
    const QColor unusable = strokeColour(Icons::image(QStringLiteral("button_Sync_no"), QSize(32, 32)));
    EXPECT_NE(unusable.rgb(), Look::accent().rgb());
    EXPECT_GT(unusable.lightness(), 128);
    EXPECT_TRUE(Icons::contains(QStringLiteral("button_Help")));
}
