#include "ChartEngine/foundation/TextSizes.h"

#include "ChartEngine/foundation/DrawingUtils.h"

namespace Charts {

namespace {

constexpr qsizetype keptSizes = 4096;

}

QSizeF TextSizes::size(const QString& text, const TextAttributes& attributes)
{
    if (attributes.font.pixelSize() <= 0) {
        return textSize(text, attributes);
    }
    const auto key = std::pair(attributes.font, text);
    if (const auto kept = m_sizes.constFind(key); kept != m_sizes.cend()) {
        return *kept;
    }
    if (m_sizes.size() >= keptSizes) {
        m_sizes.clear();
    }
    return *m_sizes.insert(key, textSize(text, attributes));
}

}
