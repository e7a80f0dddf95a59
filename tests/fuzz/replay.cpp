// Runs the page fuzzer's checks once on every input of its corpus.

#include <QDir>
#include <QFile>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size);

int main()
{
    const QDir corpus(QStringLiteral(KWINDEL_SOURCE_DIR "/tests/fuzz/corpus"));
    const QStringList inputs = corpus.entryList(QDir::Files);
    for (const QString &input : inputs) {
        QFile file(corpus.filePath(input));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    }
    std::printf("%lld passed, 0 failed\n", static_cast<long long>(inputs.size()));
    return inputs.isEmpty() ? 1 : 0;
}
