#pragma once

#include "storage/questionset.h"

#include <QString>

// Where the program's files lie. Every path derives from the program folder.
struct ProgramFolders
{
    QString programDir;

    QString questionsDir() const;
    QString musicDir() const;
    // The file a set name stands for: empty or ".dat" is "untitled.dat".
    static QString setFileName(const QString &setName);
    QString setPathFor(const QString &setName) const;
};

// The set chosen on the start screen: its name as chosen, and the file the
// main window opened for it (empty until then).
struct ChosenSet
{
    QString name;
    QString path;
};

// What the start screen and the main window hand each other for the whole
// run. One instance, created by main(); nothing of it is saved. The screens
// opened over the main window are given only the part they use.
struct AppState
{
    ProgramFolders folders;
    ChosenSet set;
    // Typed on the start screen for a new set; the main window writes them
    // into the set's header when it finds the set without records.
    QuestionSet::Details newSet;
};
