// The report's chart pictures: the half-year blocks, the numbering of the pictures, what a
// picture shows to the pixel, and the export when a picture cannot be written.
#include "Brisvale/reports/ChartPictureProcess.h"

#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/reports/PDFReportProcess.h"
#include "Brisvale/reports/ReportTestSupport.h"
#include "support/GermanLocale.h"

#include <QImage>
#include <optional>

namespace {

using Kind = FolderProcess::FolderKind;

QDateTime at(int year, int month, int day, int hour = 12)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0));
}

ReadingSpec reading(const QDateTime& date, qint32 pef, float fev1 = 2.0f)
{
    return ReadingSpec{date, pef, fev1, std::nullopt};
}

// Writes as the process does, but the second write fails.
class FailingWrite : public ChartPictureProcess {
public:
    using ChartPictureProcess::ChartPictureProcess;

protected:
    bool writePicture(const QImage& picture, const QString& path) override
    {
        return writes++ != 1 && ChartPictureProcess::writePicture(picture, path);
    }
    int writes = 0;
};

class FailingWriteReport : public PDFReportProcess {
protected:
    std::unique_ptr<ChartPictureMaker> makePictureMaker(const ConditionReturnInfo& info) override
    {
        return std::make_unique<FailingWrite>(info);
    }
};

class ChartPictures : public ReportTest {
protected:
    ConditionReturnInfo query(const QList<ReadingSpec>& readings, qint32 bestValue = 400)
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser(readings)->best_Value = bestValue;
        return *ConditionProcess::queryReadings();
    }

    // As query(), with a date window from year 1 to year 9999.
    ConditionReturnInfo queryAllTime(const QList<ReadingSpec>& readings)
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser(readings);
        UserDefaultHelper::setFrom(QDateTime(QDate(1, 1, 1), QTime(0, 0)));
        UserDefaultHelper::setTo(QDateTime(QDate(9999, 12, 31), QTime(0, 0)));
        return *ConditionProcess::queryReadings();
    }

    // The pass into a fresh folder of the kind; the names of the pictures it wrote.
    QStringList pass(ChartPictureProcess& process, Kind kind)
    {
        QDir folder(work.filePath(FolderProcess::rawValue(kind)));
        folder.removeRecursively();
        QDir().mkpath(folder.path());
        process.makeChartPictures(QUrl::fromLocalFile(folder.path()), kind);
        return folder.entryList({QStringLiteral("*.png")});
    }

    QImage picture(Kind kind, int k) const
    {
        return QImage(work.filePath(FolderProcess::rawValue(kind) + QStringLiteral("/%1.png").arg(k)));
    }

    QTemporaryDir work;
};

const QColor lineColour(0, 61, 165);
const QColor white(Qt::white);

}

TEST_F(ChartPictures, AReadingsBlockIsItsLocalHalfYear)
{
    const struct {
        QDateTime moment;
        QDateTime start;
    } cases[] = {
        {at(2024, 6, 30, 23), at(2024, 1, 1, 0)},
        {at(2024, 7, 1, 0), at(2024, 7, 1, 0)},
        {at(2024, 12, 31, 23), at(2024, 7, 1, 0)},
        {QDateTime(QDate(2024, 6, 30), QTime(22, 30), Qt::UTC), at(2024, 7, 1, 0)}, // 00:30 in Berlin
        {at(1, 3, 1), at(1, 1, 1, 0)},
        {at(9999, 9, 1), at(9999, 7, 1, 0)},
    };
    for (const auto& c : cases) {
        const ChartPictureProcess::HalfYear block = ChartPictureProcess::halfYearOf(c.moment);
        EXPECT_EQ(block.start, c.start) << c.moment.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(block.end, c.start.addMonths(6)) << c.moment.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(ChartPictures, TheConsoleIsToldHowManyBlocksReachPastTheLastReading)
{
    const struct {
        QDateTime first;
        QDateTime last;
        int count;
    } cases[] = {
        {at(2024, 6, 30), at(2025, 7, 1), 4}, // 12 whole months
        {at(2024, 6, 30), at(2024, 7, 1), 2},
        {at(2024, 7, 31), at(2025, 1, 30), 2}, // 5 whole months: the days count
        {at(2024, 7, 31), at(2025, 1, 31), 3},
    };
    for (const auto& c : cases) {
        console.clear();
        EXPECT_EQ(ChartPictureProcess::blockCount(c.first, c.last), c.count);
        EXPECT_TRUE(console.last().endsWith(QStringLiteral(" 圖片總數：%1").arg(c.count)));
    }
}

// Only the half-years that hold readings are visited: nearly ten thousand years between two
// readings cost nothing, and each reading's picture is the one it has alone.
TEST_F(ChartPictures, ReadingsTenThousandYearsApartMakeThePicturesOfTheirOwnHalfYears)
{
    const ReadingSpec earliest = reading(at(1, 3, 1), 300, 1.5f);
    const ReadingSpec latest = reading(at(9999, 9, 1), 450, 3.0f);
    for (const Kind kind : {Kind::PEF, Kind::FEV1}) {
        QList<QImage> alone;
        for (const ReadingSpec& single : {earliest, latest}) {
            ChartPictureProcess process(queryAllTime({single}));
            ASSERT_EQ(pass(process, kind).size(), 1);
            alone << picture(kind, 0);
        }
        ChartPictureProcess both(queryAllTime({latest, earliest}));
        console.clear();
        EXPECT_EQ(pass(both, kind), (QStringList{"0.png", "1.png"}));
        EXPECT_EQ(console.filter(QStringLiteral("製作起始日期")).size(), 2);
        EXPECT_EQ(picture(kind, 0), alone[0]);
        EXPECT_EQ(picture(kind, 1), alone[1]);
    }
}

TEST_F(ChartPictures, OnlyBlocksWithReadingsTakeANumber)
{
    const struct {
        const char* what;
        QList<ReadingSpec> readings;
        QStringList expected;
    } cases[] = {
        {"a reading in each of four blocks",
         {reading(at(2024, 6, 30), 300), reading(at(2024, 9, 1), 310), reading(at(2025, 3, 1), 320),
          reading(at(2025, 7, 1), 330)},
         {"0.png", "1.png", "2.png", "3.png"}},
        {"the first and last of four blocks", {reading(at(2024, 6, 30), 300), reading(at(2025, 7, 1), 330)},
         {"0.png", "1.png"}},
        {"a reading at local midnight of 1 July", {reading(at(2024, 1, 2), 300), reading(at(2024, 7, 1, 0), 330)},
         {"0.png", "1.png"}},
        {"no readings", {}, {}},
    };
    for (const auto& c : cases) {
        ChartPictureProcess process(query(c.readings));
        EXPECT_EQ(pass(process, Kind::PEF), c.expected) << c.what;
    }
}

// 2024 H1 has 182 days; the content area is (35, 15)-(925, 410); 15 March 12:00 is day 74.5 and
// 1 March 12:00 day 60.5. Zone colours are the bands' at their alpha over white.
TEST_F(ChartPictures, APictureShowsTheZonesOfItsBestValueAndEachReadingAtItsDayAndCappedValue)
{
    const struct {
        const char* what;
        Kind kind;
        QPoint pixel;
        QColor at400;
        QColor at50;
    } cases[] = {
        {"red zone, 50 to 240", Kind::PEF, {52, 400}, QColor(255, 145, 168), white},
        {"yellow zone, 240 to 320", Kind::PEF, {52, 310}, QColor(255, 220, 136), white},
        {"green zone, 320 to 900", Kind::PEF, {52, 225}, QColor(165, 223, 223), white},
        {"below the content", Kind::PEF, {52, 412}, white, white},
        {"above the content", Kind::PEF, {52, 13}, white, white},
        {"PEF 450 near (399.3, 224.1)", Kind::PEF, {399, 224}, lineColour, lineColour},
        {"PEF 950 drawn at 900", Kind::PEF, {331, 16}, lineColour, lineColour},
        {"no zone in the FEV1 picture", Kind::FEV1, {52, 130}, white, white},
        {"FEV1 2.5 near (399.3, 311.2)", Kind::FEV1, {399, 311}, lineColour, lineColour},
        {"FEV1 12.5 drawn at 9.99", Kind::FEV1, {331, 16}, lineColour, lineColour},
    };
    for (const qint32 best : {400, 50}) {
        ChartPictureProcess process(
            query({reading(at(2024, 3, 15), 450, 2.5f), reading(at(2024, 3, 1), 950, 12.5f)}, best));
        ASSERT_EQ(pass(process, Kind::PEF).size(), 1);
        ASSERT_EQ(pass(process, Kind::FEV1).size(), 1);
        EXPECT_EQ(picture(Kind::PEF, 0).size(), QSize(960, 470));
        for (const auto& c : cases) {
            EXPECT_EQ(picture(c.kind, 0).pixelColor(c.pixel), best == 400 ? c.at400 : c.at50) << c.what << best;
        }
    }
}

// On the same picture, 50 % of 400 is at y 340.3 and 60 % at y 321.7: y 331 (about 220 l/min)
// lies between them, y 345 (about 190) below both.
TEST_F(ChartPictures, ThePicturesBandsFollowTheProfilesZonePlan)
{
    const QColor red(255, 145, 168);
    const QColor yellow(255, 220, 136);
    const struct {
        qint32 plan;
        QColor at220;
    } cases[] = {{0, red}, {1, yellow}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.plan);
        const ConditionReturnInfo info = query({reading(at(2024, 3, 15), 450)});
        info.profile->zone_Plan = test.plan;
        ChartPictureProcess process(info);
        ASSERT_EQ(pass(process, Kind::PEF).size(), 1);
        const QImage drawn = picture(Kind::PEF, 0);
        EXPECT_EQ(drawn.pixelColor(52, 331), test.at220);
        EXPECT_EQ(drawn.pixelColor(52, 345), red);
        EXPECT_EQ(drawn.pixelColor(52, 310), yellow);
    }
}

TEST_F(ChartPictures, DayLabelsCoverTheBlockInTheProfilesPattern)
{
    const struct {
        qint32 dateFormat;
        QDateTime start;
        qsizetype count;
        QString first;
        QString last;
    } cases[] = {
        {0, at(2024, 1, 1, 0), 182, "2024/01/01", "2024/06/30"},
        {2, at(2024, 7, 1, 0), 184, "01.07.24", "31.12.24"},
        {9, at(2025, 1, 1, 0), 181, "", ""}, // a pattern naming no row
    };
    for (const auto& c : cases) {
        ConditionReturnInfo info = query({});
        info.profile->date_format = c.dateFormat;
        const QStringList labels = ChartPictureProcess(info).makeDayLabels(c.start, c.start.addMonths(6));
        ASSERT_EQ(labels.size(), c.count);
        EXPECT_EQ(labels.first(), c.first);
        EXPECT_EQ(labels.last(), c.last);
    }
}

TEST_F(ChartPictures, APictureIsTheSameUnderAGermanLocale)
{
    const QList<ReadingSpec> readings{reading(at(2024, 3, 15), 450, 2.5f), reading(at(2024, 3, 1), 950, 3.25f)};
    QList<QImage> drawn;
    for (const bool inGerman : {false, true}) {
        std::optional<GermanLocale> german;
        if (inGerman) {
            german.emplace();
        }
        ChartPictureProcess process(query(readings));
        for (const Kind kind : {Kind::PEF, Kind::FEV1}) {
            ASSERT_EQ(pass(process, kind).size(), 1);
            drawn << picture(kind, 0);
        }
    }
    EXPECT_EQ(drawn[0], drawn[2]) << "PEF";
    EXPECT_EQ(drawn[1], drawn[3]) << "FEV1";
}

TEST_F(ChartPictures, AFailedWriteGivesItsNumberToTheNextPictureAndEndsTheExport)
{
    FailingWrite process(query(
        {reading(at(2024, 6, 30), 300), reading(at(2024, 9, 1), 310), reading(at(2025, 3, 1), 320)}));
    EXPECT_EQ(pass(process, Kind::PEF), (QStringList{"0.png", "1.png"}));
    EXPECT_TRUE(process.hadFailedWrite());
    // Picture 1 is the third block's: PEF 320 at day 59.5 of 2025 H1 (181 days), near (327.6, 284.5).
    EXPECT_EQ(picture(Kind::PEF, 1).pixelColor(QPoint(327, 285)), lineColour);

    script->answer(Alert::firstButton);
    FailingWriteReport().writePDFReport(nullptr);
    EXPECT_EQ(script->shown().size(), 1) << "no folder panel";
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The PDF report could not be saved."));
    EXPECT_TRUE(written().isEmpty());
}
