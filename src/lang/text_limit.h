#pragma once

#include <QString>

// The first limit UTF-16 units of text, one fewer when the cut would leave the first half of a
// surrogate pair at the end (a lone first half at the end of a shorter text goes as well), so
// a cut text is always valid UTF-16.
QString leftWithoutSplitting(const QString &text, qsizetype limit);
