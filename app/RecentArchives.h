#pragma once
// The archives opened last, newest first, kept in the user's settings so
// that the File menu offers them again in the next session.

#include <QSettings>
#include <QString>
#include <QStringList>

class RecentArchives {
public:
    static constexpr int Limit = 8;

    explicit RecentArchives(QSettings &settings) : settings_(settings) {}

    QStringList paths() const;
    // Moves the path to the front (once), dropping the oldest beyond the limit.
    void opened(const QString &path);
    void forget(const QString &path);

private:
    void store(const QStringList &paths);

    QSettings &settings_;
};
