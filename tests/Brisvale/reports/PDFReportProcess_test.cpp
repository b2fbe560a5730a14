// The PDF report: its page plan, the document as poppler reads it back, the info page's own
// arithmetic, the pages' pictures and cells, and every way the export can fail. The chart
// pictures come from a stand-in maker that writes plain PNG files by the pictures' contract.
#include "Brisvale/reports/PDFReportProcess.h"

#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/reports/ChartPDFController.h"
#include "Brisvale/reports/InfoPDFController.h"
#include "Brisvale/reports/ReportPicture.h"
#include "Brisvale/reports/ReportTestSupport.h"
#include "Brisvale/reports/TablePDFController.h"
#include "support/GermanLocale.h"

#include "support/FileSizeLimit.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <limits>

namespace {

using Kind = PDFPagePlan::Kind;

// What the stand-in picture maker draws, and how the work folder's removal goes.
struct PictureScript {
    int pef = 0;
    int fev1 = 0;
    bool failOneWrite = false; // one PEF picture cannot be written
    bool refuseRemoval = false;
    QStringList passes; // the kinds of the picture passes, in their order
};

// Writes plain pictures numbered 0 … count − 1; a picture that cannot be written is passed over.
class StandInPictures : public ChartPictureMaker {
public:
    explicit StandInPictures(PictureScript& script) : script_(script) {}

    int makeChartPictures(const QUrl& folder, FolderProcess::FolderKind kind) override
    {
        script_.passes << FolderProcess::rawValue(kind);
        const bool failing = kind == FolderProcess::FolderKind::PEF && script_.failOneWrite;
        failed_ = failed_ || failing;
        const int count = (kind == FolderProcess::FolderKind::PEF ? script_.pef : script_.fev1) - (failing ? 1 : 0);
        QImage picture(192, 94, QImage::Format_RGB32);
        picture.fill(QColor(75, 192, 192));
        for (int k = 0; k < count; ++k) {
            picture.save(PDFReportProcess::pictureFile(folder, k).toLocalFile());
        }
        return count;
    }
    bool hadFailedWrite() const override { return failed_; }

private:
    PictureScript& script_;
    bool failed_ = false;
};

class PictureReport : public PDFReportProcess, public PictureScript {
protected:
    std::unique_ptr<ChartPictureMaker> makePictureMaker(const ConditionReturnInfo&) override
    {
        return std::make_unique<StandInPictures>(*this);
    }
    bool removeWorkFolder(const FolderProcess& folders, const FolderProcess::ReturnURLInfo& work) override
    {
        return !refuseRemoval && PDFReportProcess::removeWorkFolder(folders, work);
    }
};

// Readings i = 0 … count − 1, one a day at 08:00 from 1 Jan 2024, PEF 300 + i; every third has
// no note, the others "note i".
QList<ReadingSpec> dailyReadings(int count)
{
    QList<ReadingSpec> readings;
    for (int i = 0; i < count; ++i) {
        readings << ReadingSpec{QDateTime(QDate(2024, 1, 1).addDays(i), QTime(8, 0)), 300 + i, 2.0f + 0.01f * i,
                                i % 3 == 0 ? std::nullopt : std::optional(QStringLiteral("note %1").arg(i))};
    }
    return readings;
}

class PDFReport : public ReportTest {
protected:
    // Runs the export into the destination, answering the panel and the outcome alert.
    void run(PictureReport& report)
    {
        script->answerPath(destination.path());
        script->answer(Alert::firstButton);
        report.writePDFReport(nullptr);
    }

    QString reportPath() const
    {
        return QDir(destination.path()).filePath(QStringLiteral("ZA+_PDF_Report_20240315143005.pdf"));
    }

    static QString workFolder() { return StoreFile::folderPath() + QStringLiteral("/PDFMakeChartPic"); }

    static PDFPagePlan::Page tablePage(int pageNum, qsizetype first, qsizetype count)
    {
        return {Kind::table, pageNum, 0, first, count};
    }
};

}

TEST_F(PDFReport, PagesFollowTheInfoPageInTheirFixedOrder)
{
    using Page = PDFPagePlan::Page;
    const Page info{Kind::info, 1, 0, 0, 0};
    struct Case {
        int pictures;
        qsizetype readings;
        QList<Page> expected;
    };
    const QList<Case> cases{
        {0, 0, {info}},
        {0, 51, {info, tablePage(2, 0, 50), tablePage(3, 50, 1)}},
        {1, 50, {info, Page{Kind::fev1Chart, 2, 0, 0, 0}, tablePage(3, 0, 50)}},
        {2, 1, {info, Page{Kind::fev1Chart, 2, 0, 0, 0}, tablePage(3, 0, 1)}},
        {3, 100,
         {info, Page{Kind::pefChart, 2, 2, 0, 0}, Page{Kind::fev1Chart, 3, 0, 0, 0}, Page{Kind::fev1Chart, 4, 2, 0, 0},
          tablePage(5, 0, 50), tablePage(6, 50, 50)}},
        {6, 0,
         {info, Page{Kind::pefChart, 2, 2, 0, 0}, Page{Kind::pefChart, 3, 4, 0, 0}, Page{Kind::fev1Chart, 4, 0, 0, 0},
          Page{Kind::fev1Chart, 5, 2, 0, 0}, Page{Kind::fev1Chart, 6, 4, 0, 0}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PDFPagePlan::pages(c.pictures, c.readings), c.expected)
            << c.pictures << " pictures, " << c.readings << " readings";
    }
}

TEST_F(PDFReport, TheDocumentHoldsEveryPageWithItsTextAndLosslessPictures)
{
    storeUser(dailyReadings(51));
    PictureReport report;
    report.pef = 3;
    report.fev1 = 1;
    run(report);

    // X = 3: the info page, one PEF page, two FEV1 pages, then 51 readings on two table pages.
    ASSERT_TRUE(QFile::exists(reportPath()));
    EXPECT_EQ(pdfPageCount(reportPath()), 6);
    EXPECT_EQ(report.passes, (QStringList{"PEF", "FEV1"}));
    const QString info = pdfPageText(reportPath(), 1);
    for (const char* shown : {"Peak Flow Report", "Ann Lee", "Best value (l/min)", "PEF (l/min)", "2000/01/01 - 2030/12/31"}) {
        EXPECT_TRUE(info.contains(QLatin1String(shown))) << shown << " in\n" << info.toStdString();
    }
    EXPECT_TRUE(pdfPageText(reportPath(), 2).contains(QLatin1String("PEF (l/min)")));
    for (int page : {3, 4}) {
        const QString chart = pdfPageText(reportPath(), page);
        EXPECT_TRUE(chart.contains(QLatin1String("FEV1 (l)"))) << page;
        EXPECT_TRUE(chart.trimmed().endsWith(QString::number(page))) << chart.toStdString();
    }
    // Newest first: the 50th row is the second day's reading; the last page holds the first.
    const QString firstTable = pdfPageText(reportPath(), 5);
    EXPECT_TRUE(firstTable.contains(QRegularExpression(QStringLiteral("2024/01/02 +08:00 +301 +2.01 +note 1\\n"))))
        << firstTable.toStdString();
    EXPECT_FALSE(firstTable.contains(QLatin1String("2024/01/01")));
    EXPECT_TRUE(pdfPageText(reportPath(), 6).contains(QRegularExpression(QStringLiteral("2024/01/01 +08:00 +300 +2.00 +~"))));

    QFile file(reportPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("/DCTDecode"));
    EXPECT_EQ(script->shown()[0].title, QStringLiteral("Choose a folder for the report"));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The PDF report was saved."));
    EXPECT_EQ(script->last().alert.detail,
              QStringLiteral("ZA+_PDF_Report_20240315143005.pdf\n") + QDir::toNativeSeparators(destination.path()));
}

TEST_F(PDFReport, TheInfoPagesPefAverageIsTheOverviewsAndItsFev1AverageHasTwoDecimals)
{
    const auto readings = [](const QList<std::pair<qint32, float>>& values) {
        QList<ReadingSpec> specs;
        for (const auto& [pef, fev1] : values) {
            specs << ReadingSpec{QDateTime(QDate(2024, 1, 1), QTime(8, 0)), pef, fev1, std::nullopt};
        }
        return specs;
    };
    constexpr qint32 most = std::numeric_limits<qint32>::max();
    struct Case {
        QList<ReadingSpec> readings;
        QStringList expected; // highest PEF, highest FEV1, average PEF, average FEV1
    };
    const QList<Case> cases{
        {{}, {"0", "0.00", "0", "0.00"}},
        // Halves of a l/min round away from zero, as on the Overview.
        {readings({{350, 2.5f}, {351, 2.6f}}), {"351", "2.60", "351", "2.55"}},
        {readings({{1000, 1.0f}, {1, 1.0f}}), {"1000", "1.00", "501", "1.00"}},
        {readings({{400, 1.0f}, {402, 1.0f}, {405, 1.0f}}), {"405", "1.00", "402", "1.00"}},
        // A sum beyond 32 bits, from an imported file.
        {readings({{most, 3.0f}, {most, 1.0f}}), {QString::number(most), "3.00", QString::number(most), "2.00"}},
    };
    for (const Case& c : cases) {
        storeUser(c.readings);
        const InfoPDFController page(InfoPDF{viewContext().fetchProfile(QStringLiteral("ann@x")).value(),
                                             ConditionProcess::queryReadings()->pfm, {}, {}, 1});
        QStringList shown;
        for (const char* name : {"MaxPEF_Lab", "MaxFEV1_Lab", "AvgPEF_Lab", "AvgFEV1_Lab"}) {
            shown << page.findChild<QLabel*>(QLatin1String(name))->text();
        }
        EXPECT_EQ(shown, c.expected);
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

// A name of any length ends in "…" at its column; the texts beside and under it keep the places
// they have beside a short name.
TEST_F(PDFReport, TheInfoPageHoldsANameOfAnyLength)
{
    const struct {
        const char* name;
        QString profileName;
        bool cut;
    } cases[] = {
        {"a short name", QStringLiteral("Ann"), false},
        {"10,000 characters", QStringLiteral("Ann Marie ").repeated(1000), true},
        {"one word of 10,000 characters", QString(10000, QLatin1Char('W')), true},
        {"1,000,000 characters", QStringLiteral("Ann Marie ").repeated(100000), true},
    };
    QMap<QString, QRect> places;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        auto profile = std::make_shared<Profile>();
        profile->name = test.profileName;
        InfoPDFController page(InfoPDF{profile, {}, {}, {}, 1});
        page.prepareForRendering();
        for (const QLabel* label : page.findChildren<QLabel*>()) {
            if (label->objectName() != QLatin1String("Name_Lab")) {
                EXPECT_EQ(label->geometry(), places.value(label->objectName(), label->geometry()))
                    << label->objectName().toStdString();
                places.insert(label->objectName(), label->geometry());
            }
        }
        const auto* name = page.findChild<ElidingLabel*>(QStringLiteral("Name_Lab"));
        ASSERT_NE(name, nullptr);
        EXPECT_TRUE(page.rect().contains(name->geometry()));
        EXPECT_EQ(name->shownText().endsWith(QStringLiteral("…")), test.cut);
    }
}

TEST_F(PDFReport, APictureIsShownOnlyWhenItsFileExists)
{
    const ProfilePtr profile = storeUser({});
    QImage picture(96, 47, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QUrl folder = QUrl::fromLocalFile(destination.path());
    ASSERT_TRUE(picture.save(PDFReportProcess::pictureFile(folder, 0).toLocalFile()));
    const QUrl present = PDFReportProcess::pictureFile(folder, 0);
    const QUrl missing = PDFReportProcess::pictureFile(folder, 1);

    struct Case {
        std::unique_ptr<PDFPage> page;
        QString chartTitle;
        bool first;
        bool second;
    };
    Case cases[] = {
        {std::make_unique<InfoPDFController>(InfoPDF{profile, {}, present, missing, 1}), "PEF (l/min)", true, false},
        {std::make_unique<InfoPDFController>(InfoPDF{profile, {}, missing, present, 1}), "", false, true},
        {std::make_unique<ChartPDFController>(ChartPDF{"FEV1 (l)", missing, missing, 4}), "FEV1 (l)", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.page->findChild<QLabel*>(QStringLiteral("ChartTitle_Lab"))->text(), c.chartTitle);
        EXPECT_EQ(!c.page->findChild<ReportPicture*>(QStringLiteral("Frist_Image"))->isHidden(), c.first);
        EXPECT_EQ(!c.page->findChild<ReportPicture*>(QStringLiteral("Second_Image"))->isHidden(), c.second);
    }
}

TEST_F(PDFReport, TableCellsFollowTheProfilesFormats)
{
    ProfilePtr profile = storeUser({{QDateTime(QDate(2024, 3, 14), QTime(21, 5)), 420, 3.456f, std::nullopt},
                                    {QDateTime(QDate(2024, 3, 14), QTime(7, 45)), 95, 2.0f, QString()}});
    const QList<PFMPtr> readings = viewContext().pfmInfo(profile).value();
    // A date format naming no row (after an import) falls back to the info page's pattern.
    profile->date_format = 7;
    profile->time_format = false;
    const TablePDFController page(*profile, readings, 3);
    struct Case {
        const char* column;
        int row;
        std::optional<QString> expected;
    };
    const QList<Case> cases{
        {"DateColumn", 0, "2024.03.14"}, {"TimeColumn", 0, "PM 09:05"}, {"TimeColumn", 1, "AM 07:45"},
        {"PEFColumn", 1, "95"},          {"FEV1Column", 0, "3.46"},     {"FEV1Column", 1, "2.00"},
        {"NotesColumn", 0, "~"},         {"NotesColumn", 1, ""},        {"OtherColumn", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(page.cellText(QLatin1String(c.column), c.row), c.expected) << c.column << ' ' << c.row;
    }
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("PageNum_lab"))->text(), QStringLiteral("3"));
}

TEST_F(PDFReport, UnderAGermanLocaleTheReportsNumbersKeepTheirPoint)
{
    const GermanLocale german;
    ProfilePtr profile = storeUser({{QDateTime(QDate(2024, 3, 14), QTime(8, 0)), 420, 2.5f, std::nullopt},
                                    {QDateTime(QDate(2024, 3, 13), QTime(8, 0)), 400, 2.6f, std::nullopt}});
    const QList<PFMPtr> readings = viewContext().pfmInfo(profile).value();
    const InfoPDFController info(InfoPDF{profile, readings, {}, {}, 1});
    const TablePDFController table(*profile, readings, 2);
    EXPECT_EQ(info.findChild<QLabel*>(QStringLiteral("MaxFEV1_Lab"))->text(), QStringLiteral("2.60"));
    EXPECT_EQ(info.findChild<QLabel*>(QStringLiteral("AvgFEV1_Lab"))->text(), QStringLiteral("2.55"));
    EXPECT_EQ(table.cellText(QStringLiteral("FEV1Column"), 0), QStringLiteral("2.50"));
}

TEST_F(PDFReport, AReportThatCannotBeMadeIsToldAndLeavesNoFile)
{
    struct Case {
        const char* what;
        std::function<void(PictureReport&)> arrange;
        bool panelShown;
    };
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const QList<Case> cases{
        {"a destination beneath a regular file",
         [this](PictureReport&) { script->answerPath(beneathAFile()); }, true},
        {"a work folder that cannot be removed",
         [](PictureReport& report) {
             QDir().mkpath(workFolder() + QStringLiteral("/PEF"));
             report.refuseRemoval = true;
         },
         false},
        {"a picture that cannot be written", [](PictureReport& report) { report.failOneWrite = true; }, false},
        {"a data folder beneath a regular file",
         [this](PictureReport&) { qputenv("XDG_DATA_HOME", beneathAFile().toUtf8()); }, false},
    };
    for (const Case& c : cases) {
        storeUser(dailyReadings(3));
        PictureReport report;
        report.pef = 3;
        report.fev1 = 3;
        c.arrange(report);
        script->answer(Alert::firstButton);
        console.clear();
        report.writePDFReport(nullptr);
        qputenv("XDG_DATA_HOME", dataHome);

        const bool panelShown = std::any_of(script->shown().begin(), script->shown().end(), [](const Presentation& shown) {
            return shown.kind == Presentation::Kind::folderPanel;
        });
        EXPECT_EQ(panelShown, c.panelShown) << c.what;
        EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark) << c.what;
        EXPECT_EQ(script->last().alert.message, QStringLiteral("The PDF report could not be saved.")) << c.what;
        EXPECT_TRUE(console.contains(QStringLiteral("error creating file"))) << c.what;
        EXPECT_FALSE(written().filter(QStringLiteral(".pdf")).size()) << c.what;
        script.reset();
        script = std::make_unique<AlertScript>();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

// Qt's PDF writer does not notice a short write: the report once said it was saved and left a
// cut-off file in place of the earlier one.
TEST_F(PDFReport, ADiskThatFillsDuringTheReportIsToldAndKeepsTheEarlierReport)
{
    storeUser(dailyReadings(60));
    PictureReport whole;
    run(whole);
    QFile earlier(reportPath());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray earlierBytes = earlier.readAll();
    earlier.close();
    const qint64 size = earlierBytes.size();
    for (const qint64 room : {qint64(0), size / 2, size - 1}) {
        script.reset();
        script = std::make_unique<AlertScript>();
        PictureReport report;
        {
            const FileSizeLimit limit(room);
            run(report);
        }
        EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark) << "room for " << room << " of " << size;
        EXPECT_EQ(script->last().alert.message, QStringLiteral("The PDF report could not be saved."));
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), earlierBytes) << "room for " << room << " of " << size;
        earlier.close();
        EXPECT_EQ(written(), QStringList{QFileInfo(reportPath()).fileName()});
    }
}

TEST_F(PDFReport, ACancelledPanelKeepsThePicturesUntilTheNextExportStartsAfresh)
{
    storeUser(dailyReadings(2));
    PictureReport first;
    first.pef = 4;
    first.fev1 = 2;
    script->answerCancel();
    first.writePDFReport(nullptr);
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(QFile::exists(workFolder() + QStringLiteral("/PEF/3.png")));

    PictureReport second;
    second.pef = 1;
    run(second);
    EXPECT_FALSE(QFile::exists(workFolder() + QStringLiteral("/PEF/1.png")));
    EXPECT_FALSE(QFile::exists(workFolder() + QStringLiteral("/FEV1/0.png")));
    // One PEF picture: P = 1, so the info page, one FEV1 page without pictures and a table page.
    EXPECT_EQ(pdfPageCount(reportPath()), 3);
}
