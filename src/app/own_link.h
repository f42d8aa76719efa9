#pragma once

#include <QString>

// True when path is no link (a plain file, or nothing at all), or a link that, like what it
// leads to, belongs to the user running the program. In a folder others can write to, anyone
// may put a link there that leads to one of the user's files; such a link is not followed.
// On Windows a symbolic link or junction (a reparse point) counts as a link and the owner is
// compared by its security identifier.
bool isOwnLinkOrNoLink(const QString &path);
