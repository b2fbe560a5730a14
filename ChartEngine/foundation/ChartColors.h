#pragma once

#include <QColor>
#include <QFont>

namespace Charts {

// The named colours and the font the engine's classes start with.
namespace ChartColors {

// 50 % white, (128, 128, 128): not Qt's own grey.
QColor gray();
// The one colour of labels and texts.
QColor label();
QColor white();
QColor black();
// The default colour of a new data set, (140, 234, 255).
QColor dataSet();

}

// The engine's font family (the one the tests pin), sized in pixels so that one point is one
// pixel at scale 1.
QFont systemFont(double pixelSize);

}
