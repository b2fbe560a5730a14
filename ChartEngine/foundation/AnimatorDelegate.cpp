#include "ChartEngine/foundation/AnimatorDelegate.h"

namespace Charts {

AnimatorDelegate::AnimatorDelegate()
    : m_self(std::make_shared<AnimatorDelegate*>(this))
{
}

AnimatorDelegate::AnimatorDelegate(const AnimatorDelegate&)
    : AnimatorDelegate()
{
}

AnimatorDelegate& AnimatorDelegate::operator=(const AnimatorDelegate&)
{
    return *this;
}

AnimatorDelegate::~AnimatorDelegate() = default;

}
