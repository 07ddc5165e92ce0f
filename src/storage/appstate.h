#pragma once

#include <QString>

// The values the screens hand each other for the whole run. One instance,
// created by main() and passed to every screen; nothing of it is saved.
struct AppState
{
    // The folder that holds the executable; every path derives from it.
    QString program_dir;

    // Record counts are held in an int: the file layer refuses to pass the
    // 16-bit limit of the format, so they never leave its range.
    int record_count = 0;
    QString set_path;
    QString set_name;
    QString creator;
    QString message;
    QString password;

    QString questionsDir() const;
    QString musicDir() const;
    // The file a set name stands for: empty or ".dat" is "untitled.dat".
    static QString setFileName(const QString &set_name);
    QString setPathFor(const QString &set_name) const;
};
