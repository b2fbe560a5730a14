#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The application's own icons, drawn as SVG and shipped in the program's resources, looked up by
// name ("icon_User_male", "checkmark", "exclamationmark.triangle", ...).
namespace Icons {

// Whether an icon of that name exists.
bool contains(const QString& name);

// The icon drawn at the size in device-independent pixels for a screen of the given pixel ratio;
// transparent around the drawing. An unknown name gives a null image.
QImage image(const QString& name, const QSize& size, qreal devicePixelRatio = 1.0);

// The same as a pixmap, for labels and buttons.
QPixmap pixmap(const QString& name, const QSize& size, qreal devicePixelRatio = 1.0);

// An icon that draws itself sharply at every size; an unknown name gives a null icon.
QIcon icon(const QString& name);

}
