#include "TavrendelPFMSDK/TavrendelPFMModel.h"

#include <utility>

TavrendelPFMModel::TavrendelPFMModel(QVariantMap dictionary) : dictionary(std::move(dictionary)) {}
