#pragma once

#include <QList>
#include <QString>

// The seven most recently read amplitude files, oldest first. A title already in the list is
// not added again; an eighth file pushes out the oldest.
class RecentFileList {
public:
    static constexpr int capacity = 7;

    struct Entry {
        QString title;
        QString path;
    };

    // Adds the file unless its title (compared exactly) is already listed; returns whether
    // the list changed.
    bool add(const QString &title, const QString &path);

    int count() const { return int(entries_.size()); }
    const QString &title(int index) const { return entries_[index].title; }
    const QString &path(int index) const { return entries_[index].path; }

private:
    QList<Entry> entries_;
};
