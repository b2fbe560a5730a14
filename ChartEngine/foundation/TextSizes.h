#pragma once

#include "ChartEngine/foundation/TextAttributes.h"

#include <QFont>
#include <QHash>
#include <QSizeF>
#include <QString>

#include <utility>

namespace Charts {

// The sizes of the texts a renderer draws, each measured once in its font and kept, up to 4,096
// texts (past that they are measured afresh): a text drawn again is not laid out twice. A font
// sized in points takes its size from the screen, and its texts are measured every time.
class TextSizes {
public:
    // The size textSize gives the text.
    QSizeF size(const QString& text, const TextAttributes& attributes);

private:
    QHash<std::pair<QFont, QString>, QSizeF> m_sizes;
};

}
