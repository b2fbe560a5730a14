#pragma once

#include <QImage>
#include <QWidget>

class QUrl;

// A chart picture on a report page: a fixed frame of 960 x 470 points into which the image is
// drawn whole, whatever its pixel size (pictures are taken at the screen's scale). Hidden when
// its file is missing or unreadable; a hidden picture keeps its place on the page.
class ReportPicture : public QWidget {
public:
    static constexpr int frameWidth = 960;
    static constexpr int frameHeight = 470;

    ReportPicture(const QString& name, const QUrl& file, QWidget* parent = nullptr);

    // Whether the picture's file could be shown.
    bool hasImage() const { return !image_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
