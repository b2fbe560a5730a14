#include "ChartEngine/data/RuntimeClassName.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

namespace Charts {

QString runtimeClassName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    QString name = QString::fromUtf8(status == 0 && demangled ? demangled.get() : type.name());
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"));
    return scope < 0 ? name : name.mid(scope + 2);
}

}
