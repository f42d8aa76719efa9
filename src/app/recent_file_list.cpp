#include "app/recent_file_list.h"

bool RecentFileList::add(const QString &title, const QString &path)
{
    for (int k = 0; k < count_; ++k) {
        if (titles_[k] == title)
            return false;
    }
    if (count_ < capacity) {
        titles_[count_] = title;
        paths_[count_] = path;
        ++count_;
        return true;
    }
    for (int k = 1; k < capacity; ++k) {
        titles_[k - 1] = titles_[k];
        paths_[k - 1] = paths_[k];
    }
    titles_[capacity - 1] = title;
    paths_[capacity - 1] = path;
    return true;
}
