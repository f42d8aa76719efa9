#pragma once

#include <QString>

// The seven most recently read amplitude files, oldest first. A title already in the list is
// not added again; an eighth file pushes out the oldest.
class RecentFileList {
public:
    static constexpr int capacity = 7;

    // Adds the file unless its title (compared exactly) is already listed; returns whether
    // the list changed.
    bool add(const QString &title, const QString &path);

    int count() const { return count_; }
    const QString &title(int index) const { return titles_[index]; }
    const QString &path(int index) const { return paths_[index]; }

private:
    int count_ = 0;
    QString paths_[capacity];
    QString titles_[capacity];
};
