#pragma once

#include <memory>

namespace Charts {

class Animator;

// What an animator tells its owner (usually the chart view): after every step, and once when
// an animation has stopped. An animator holds its delegate weakly: a delegate that is destroyed
// is no longer called.
class AnimatorDelegate {
public:
    virtual ~AnimatorDelegate();

    // The phases changed.
    virtual void animatorUpdated(Animator& animator) = 0;
    // The animation has stopped; the phases are final.
    virtual void animatorStopped(Animator& animator) = 0;

protected:
    AnimatorDelegate();
    // A copy is a delegate of its own: animators of the original don't call it.
    AnimatorDelegate(const AnimatorDelegate&);
    AnimatorDelegate& operator=(const AnimatorDelegate&);

private:
    friend class Animator;

    // Points at this delegate until it is destroyed; animators keep only weak references.
    std::shared_ptr<AnimatorDelegate*> m_self;
};

}
