#pragma once

#include <QWidget>

class ElidingLabel;
class QLabel;
class QVBoxLayout;
class ReportPicture;
class QUrl;

// The frame every page of the PDF report shares: 1000 x 1600 points, white, the report's title
// and second title at the top, the footer text and the page number at the bottom, and the
// page's own content between them. Fonts are sized in pixels, which are points in the report.
class PDFPage : public QWidget {
public:
    static constexpr int pageWidth = 1000;
    static constexpr int pageHeight = 1600;

    // Fills the titles; the page number's label takes the object name given.
    PDFPage(int pageNum, const QString& pageNumName, QWidget* parent = nullptr);

    // Lays the page out at its size, ready to be drawn without being shown.
    void prepareForRendering();

protected:
    // The layout that holds the page's own content.
    QVBoxLayout* content() const { return content_; }

    // A text label with the object name, its font the given pixel size.
    QLabel* addLabel(const char* name, int pixelSize, bool bold = false);
    // The same on one line, ending in "…" where the page cuts it (a name of any length).
    ElidingLabel* addElidingLabel(const char* name, int pixelSize, bool bold = false);

    // A chart picture, hidden when its file is missing.
    ReportPicture* addPicture(const char* name, const QUrl& file);

private:
    QVBoxLayout* content_ = nullptr;
};
