#include "Brisvale/shell/PfmManager.h"

std::shared_ptr<TavrendelPFM> pfmManager()
{
    return TavrendelPFM::sharedManager();
}
