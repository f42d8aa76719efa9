#include "data/ref_path.h"

#include "data/file_name_case.h"

#include <algorithm>

QString deriveRefPath(const QString &ampPath)
{
    // Only the file name counts: a "_amp.txt" in a directory's name would pair the file with
    // one in another directory. Backslashes count too, for paths written on Windows.
    const qsizetype nameStart = std::max(ampPath.lastIndexOf(QLatin1Char('/')),
                                         ampPath.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype suffix = ampPath.indexOf(QLatin1StringView("_amp.txt"), nameStart, fileNameCase());
    if (suffix < 0)
        return QString();
    return ampPath.left(suffix) + QLatin1StringView("_ref.txt");
}
