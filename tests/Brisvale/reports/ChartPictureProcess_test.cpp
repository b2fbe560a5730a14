// The report's chart pictures: the half-year blocks, the numbering of the pictures, what a
// picture shows to the pixel, and the export when a picture cannot be written.
#include "Brisvale/reports/ChartPictureProcess.h"

#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/reports/PDFReportProcess.h"
#include "Brisvale/reports/ReportTestSupport.h"

#include <QImage>

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

// Fails the write of picture `failing` (counted over every write of the process), writes the
// others as the process does.
class FailingWrite : public ChartPictureProcess {
public:
    FailingWrite(ConditionReturnInfo info, int failing) : ChartPictureProcess(std::move(info)), failing_(failing) {}

protected:
    bool writePicture(const QImage& picture, const QString& path) override
    {
        return writes_++ != failing_ && ChartPictureProcess::writePicture(picture, path);
    }

private:
    int failing_;
    int writes_ = 0;
};

class FailingWriteReport : public PDFReportProcess {
protected:
    std::unique_ptr<ChartPictureMaker> makePictureMaker(const ConditionReturnInfo& info) override
    {
        return std::make_unique<FailingWrite>(info, 1);
    }
};

class ChartPictures : public ReportTest {
protected:
    ConditionReturnInfo query(const QList<ReadingSpec>& readings, qint32 bestValue = 400)
    {
        storeUser(readings)->best_Value = bestValue;
        return *ConditionProcess::queryReadings();
    }

    QString folderOf(Kind kind) const { return QDir(work.path()).filePath(FolderProcess::rawValue(kind)); }

    // The pictures a pass wrote, by name.
    QStringList pictures(Kind kind) const { return QDir(folderOf(kind)).entryList({QStringLiteral("*.png")}); }

    int pass(ChartPictureProcess& process, Kind kind)
    {
        QDir().mkpath(folderOf(kind));
        return process.makeChartPictures(QUrl::fromLocalFile(folderOf(kind)), kind);
    }

    QImage picture(Kind kind, int k) const { return QImage(folderOf(kind) + QStringLiteral("/%1.png").arg(k)); }

    QTemporaryDir work;
};

// A band's colour at its alpha over the white background, as the image blends it.
const QColor redZone(255, 145, 168);
const QColor yellowZone(255, 220, 136);
const QColor greenZone(165, 223, 223);
const QColor lineColour(0, 61, 165);

}

TEST_F(ChartPictures, BlocksAreHalfYearsFromTheFirstReadingsAndReachPastTheLast)
{
    const struct {
        QDateTime first;
        QDateTime last;
        qsizetype count;
        QDateTime firstStart;
    } cases[] = {
        {at(2024, 6, 30), at(2025, 7, 1), 4, at(2024, 1, 1, 0)}, // 12 whole months
        {at(2024, 6, 30), at(2024, 7, 1), 2, at(2024, 1, 1, 0)},
        {at(2024, 2, 1), at(2024, 5, 20), 2, at(2024, 1, 1, 0)},
        {at(2024, 7, 31), at(2025, 1, 30), 2, at(2024, 7, 1, 0)}, // 5 whole months: the days count
        {at(2024, 7, 31), at(2025, 1, 31), 3, at(2024, 7, 1, 0)},
    };
    for (const auto& c : cases) {
        const auto blocks = ChartPictureProcess::halfYearBlocks(c.first, c.last);
        ASSERT_EQ(blocks.size(), c.count) << c.first.toString().toStdString();
        EXPECT_EQ(blocks.first().start, c.firstStart);
        for (qsizetype b = 1; b < blocks.size(); ++b) {
            EXPECT_EQ(blocks[b].start, blocks[b - 1].end);
        }
        EXPECT_EQ(blocks.last().end, c.firstStart.addMonths(6 * int(c.count)));
        EXPECT_GT(blocks.last().end, c.last);
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
         {reading(at(2024, 6, 30), 300), reading(at(2024, 9, 1), 310), reading(at(2025, 3, 1), 320), reading(at(2025, 7, 1), 330)},
         {"0.png", "1.png", "2.png", "3.png"}},
        {"the first and last of four blocks", {reading(at(2024, 6, 30), 300), reading(at(2025, 7, 1), 330)}, {"0.png", "1.png"}},
        {"a reading at local midnight of 1 July", {reading(at(2024, 1, 2), 300), reading(at(2024, 7, 1, 0), 330)},
         {"0.png", "1.png"}},
        {"no readings", {}, {}},
    };
    for (const auto& c : cases) {
        ChartPictureProcess process(query(c.readings));
        EXPECT_EQ(pass(process, Kind::PEF), c.expected.size()) << c.what;
        EXPECT_EQ(pictures(Kind::PEF), c.expected) << c.what;
        EXPECT_EQ(pass(process, Kind::BAK2JSON), 0);
        QDir(folderOf(Kind::PEF)).removeRecursively();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(ChartPictures, APictureShowsTheZonesAndEachReadingAtItsDayAndCappedValue)
{
    // 2024 H1 has 182 days; the content area is (35, 15)-(925, 410); 15 March 12:00 is day 74.5.
    ChartPictureProcess process(query({reading(at(2024, 3, 15), 450, 2.5f), reading(at(2024, 3, 1), 950, 12.5f)}));
    ASSERT_EQ(pass(process, Kind::PEF), 1);
    ASSERT_EQ(pass(process, Kind::FEV1), 1);
    const QImage pef = picture(Kind::PEF, 0);
    const QImage fev1 = picture(Kind::FEV1, 0);
    EXPECT_EQ(pef.size(), QSize(960, 470));
    const struct {
        const char* what;
        const QImage& image;
        QPoint pixel;
        QColor colour;
    } cases[] = {
        {"red zone, 50 to 240", pef, {52, 400}, redZone},
        {"yellow zone, 240 to 320", pef, {52, 310}, yellowZone},
        {"green zone, 320 to 900", pef, {52, 225}, greenZone},
        {"below the content", pef, {52, 412}, Qt::white},
        {"above the content", pef, {52, 13}, Qt::white},
        {"PEF 450 near (399.3, 224.1)", pef, {399, 224}, lineColour},
        {"PEF 950 drawn at 900, day 60.5", pef, {331, 16}, lineColour},
        {"no zone in the FEV1 picture", fev1, {52, 130}, Qt::white},
        {"FEV1 2.5 near (399.3, 311.2)", fev1, {399, 311}, lineColour},
        {"FEV1 12.5 drawn at 9.99", fev1, {331, 16}, lineColour},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.image.pixelColor(c.pixel), c.colour) << c.what;
    }
}

TEST_F(ChartPictures, NoZonesForABestValueOf50OrLess)
{
    ChartPictureProcess process(query({reading(at(2024, 3, 15), 450)}, 50));
    ASSERT_EQ(pass(process, Kind::PEF), 1);
    for (const QPoint pixel : {QPoint(52, 400), QPoint(52, 310), QPoint(52, 225)}) {
        EXPECT_EQ(picture(Kind::PEF, 0).pixelColor(pixel), QColor(Qt::white)) << pixel.y();
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
        ProfilePtr profile = storeUser({});
        profile->date_format = c.dateFormat;
        ChartPictureProcess process({profile, {}});
        const QStringList labels = process.makeDayLabels(c.start, c.start.addMonths(6));
        ASSERT_EQ(labels.size(), c.count);
        EXPECT_EQ(labels.first(), c.first);
        EXPECT_EQ(labels.last(), c.last);
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(ChartPictures, AFailedWriteGivesItsNumberToTheNextPictureAndEndsTheExport)
{
    const QList<ReadingSpec> readings{
        reading(at(2024, 6, 30), 300, 2.0f), reading(at(2024, 9, 1), 310, 2.1f), reading(at(2025, 3, 1), 320, 2.2f)};
    FailingWrite process(query(readings), 1);
    EXPECT_EQ(pass(process, Kind::PEF), 2);
    EXPECT_EQ(pictures(Kind::PEF), (QStringList{"0.png", "1.png"}));
    EXPECT_TRUE(process.hadFailedWrite());
    // The third block's picture took number 1: PEF 320 at day 59.5 of 2025 H1 (181 days), near
    // (327.6, 284.5).
    EXPECT_EQ(picture(Kind::PEF, 1).pixelColor(QPoint(327, 285)), lineColour);

    script->answer(Alert::firstButton);
    FailingWriteReport().writePDFReport(nullptr);
    EXPECT_EQ(script->shown().size(), 1) << "no folder panel";
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The PDF report could not be saved."));
    EXPECT_TRUE(written().isEmpty());
}
