#include "app/recent_file_list.h"

bool RecentFileList::add(const QString &title, const QString &path)
{
    for (const Entry &entry : entries_) {
        if (entry.title == title)
            return false;
    }
    if (entries_.size() == capacity)
        entries_.removeFirst();
    entries_.append({title, path});
    return true;
}
