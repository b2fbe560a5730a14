#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace Gallery {

// One window of the gallery: a chart with sample data, made when the gallery opens.
struct Page {
    QString title;
    std::function<std::unique_ptr<QWidget>()> make;
};

// Every page, in the order the files registered them.
QList<Page>& pages();

// Registers pages from a file of its own: `static const Gallery::Registration r{{...}};`.
struct Registration {
    explicit Registration(const QList<Page>& added) { pages() << added; }
};

}
