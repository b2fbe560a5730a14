#include <QApplication>
#include <QTimer>
#include <cstddef>
#include <cstring>

// Leaks on purpose inside a slot that the event loop runs, under Qt's own frames. The sanitizer
// build's leak test runs it and passes only when LeakSanitizer reports this leak: the list of
// Qt's caches kept until exit must never hide an allocation of ours.

namespace {

constexpr std::size_t leakedSize = 4096;

char* volatile lastBlock = nullptr;

class Leaker : public QObject {
public:
    void leakInSlot()
    {
        char* block = new char[leakedSize];
        std::memset(block, 'L', leakedSize);
        lastBlock = block;   // the block escapes, so the allocation is kept
        lastBlock = nullptr; // and now nothing points to it
        QCoreApplication::quit();
    }
};

// Overwrites the stack below main, where the slot ran, so that no stale copy of the pointer keeps
// the block reachable when the leak check scans the stack at exit.
[[gnu::noinline]] void clearUsedStack()
{
    volatile char area[256 * 1024];
    for (std::size_t i = 0; i < sizeof area; ++i) {
        area[i] = 0;
    }
}

}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Leaker leaker;
    QTimer::singleShot(0, &leaker, &Leaker::leakInSlot);
    const int status = QApplication::exec();
    clearUsedStack();
    return status;
}
