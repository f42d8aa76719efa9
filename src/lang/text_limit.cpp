#include "lang/text_limit.h"

QString leftWithoutSplitting(const QString &text, qsizetype limit)
{
    qsizetype length = std::min(text.size(), std::max<qsizetype>(limit, 0));
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}
