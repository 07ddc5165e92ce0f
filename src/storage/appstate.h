#pragma once

#include "storage/questionset.h"

#include <QList>
#include <QString>

// Where the program's files lie. The music lies in the program folder; the
// sets lie in one folder the user may write and, when the program is
// installed, also in the folder of the sets it came with, which only plays.
struct ProgramFolders
{
    // Holds Music/, and Questions/ when the program keeps its sets beside it.
    QString programDir;
    // The user's own sets; empty for programDir's Questions.
    QString userSetsDir;
    // The sets the program came with, never written; empty for none.
    QString bundledSetsDir;

    // A set as the start screen lists it.
    struct Listed
    {
        QString name;
        bool bundled = false;
        bool operator==(const Listed &) const = default;
    };

    // The folders for the program whose executable lies in programFolder:
    // a portable folder that may be written keeps its sets in its own
    // Questions; an installed program (its data apart from it) or a folder
    // that may not be written keeps them in userDataDir's Questions and
    // lists its own as bundled.
    static ProgramFolders forProgram(const QString &programFolder, const QString &userDataDir);

    // The folder new sets, copies and every change go to.
    QString questionsDir() const;
    QString musicDir() const;
    // The file a set name stands for: empty or ".dat" is "untitled.dat".
    static QString setFileName(const QString &setName);
    // The user's set of that name when there is one, else the bundled one,
    // else where a new set of that name is made.
    QString setPathFor(const QString &setName) const;
    // The sets of both folders by name; where both have a name, the user's.
    QList<Listed> listedSets() const;
    // Whether the set at path is one the program came with.
    bool isBundled(const QString &setPath) const;
    // Copies the bundled set at setPath into the user's folder under its own
    // name and gives the copy's path; empty, with error set, when it cannot
    // (a set of that name made there meanwhile is left as it is).
    QString copyToUser(const QString &setPath, QString *error = nullptr) const;
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
