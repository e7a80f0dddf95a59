// Time and allocations of building, encoding and saving the result page.
// Prints its measurements; nothing here is asserted.

#include "resultpage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<long> allocations{0};
}

// Qt's containers allocate with malloc and realloc, so those are counted.
extern "C" void *__libc_malloc(std::size_t size);
extern "C" void *__libc_realloc(void *pointer, std::size_t size);
extern "C" void *malloc(std::size_t size)
{
    ++allocations;
    return __libc_malloc(size);
}
extern "C" void *realloc(void *pointer, std::size_t size)
{
    ++allocations;
    return __libc_realloc(pointer, size);
}

namespace {

const QString resultText = QStringLiteral(
    "Je bent lief\r\nJe bent romantisch\r\nJe bent luidruchtig\r\nJe bent vastbesloten\r\n"
    "Je Feest graag in de hitteuh!\r\nJe hebt een tintje, want je houdt van de zon \r\nJe bent gelikt\r\n"
    "de buurjongen zal verliefd op je worden zoals je bent!!!!!");

template<typename Step>
void measure(const char *what, int rounds, Step step)
{
    step(); // warm up
    const long allocationsBefore = allocations;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        step();
    const double micros = timer.nsecsElapsed() / 1000.0 / rounds;
    std::printf("%-42s %10.2f us %8.1f allocations (malloc + realloc)\n", what, micros, double(allocations - allocationsBefore) / rounds);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString typical = QStringLiteral("Sanne de Vries");
    const QString longName = QStringLiteral("Zoë Łucja Ελένη 王小明 😀 <&> ").repeated(400); // about 10,000 characters

    measure("bytes, typical name", 20000, [&] { ResultPage::bytes(typical, resultText); });
    measure("bytes, long mixed-script name", 500, [&] { ResultPage::bytes(longName, resultText); });
    const QString path = ResultPage::pathInFolder(folder.path());
    measure("bytes + atomic save, typical name", 500, [&] { ResultPage::write(path, ResultPage::bytes(typical, resultText)); });
    measure("bytes + atomic save, long name", 200, [&] { ResultPage::write(path, ResultPage::bytes(longName, resultText)); });
    return 0;
}
