#include "data/output_file.h"

#include "data/ref_path.h"

bool isMeasurementFile(const QString &path, const QString &ampPath)
{
    return !ampPath.isEmpty() && (isSameFile(path, ampPath) || isSameFile(path, deriveRefPath(ampPath)));
}
