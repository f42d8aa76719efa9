// deriveRefPath on arbitrary paths (UTF-8, lone surrogates through UTF-16 too): the pairing
// changes only the file name, keeps everything before the first "_amp.txt" in it, and a
// derived reference path pairs with nothing.
#include "data/file_name_case.h"
#include "data/ref_path.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char *bytes = reinterpret_cast<const char *>(data) + 1;
    const QString path = data[0] & 1
        ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes), qsizetype((size - 1) / 2))
        : QString::fromUtf8(bytes, qsizetype(size - 1));

    const QString ref = deriveRefPath(path);
    const qsizetype nameStart = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    // Compared as the file system compares names: exactly here, without case on Windows.
    const qsizetype suffix = path.indexOf(QLatin1String("_amp.txt"), nameStart, fileNameCase());
    if (suffix < 0) {
        FUZZ_CHECK(ref.isEmpty());
        return 0;
    }
    FUZZ_CHECK(ref.size() == suffix + 8);
    FUZZ_CHECK(ref.startsWith(path.left(suffix)));
    FUZZ_CHECK(ref.endsWith(QLatin1String("_ref.txt")));
    FUZZ_CHECK(deriveRefPath(ref).isEmpty());
    return 0;
}
