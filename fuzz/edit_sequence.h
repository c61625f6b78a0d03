// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A short sequence of editing commands, applied to a layout as the editor would
// apply them: select, move, rotate, delete, replace, change value, change shape,
// place, undo, save and reopen, copy and paste, paste hostile text, drag, draw. The editing fuzzer derives both the layout
// and the commands from its input, so the arithmetic of the commands meets the
// coordinates of damaged and extreme files; the regression tests replay what it
// found.
//
// Input bytes: the first byte gives the number of commands (modulo
// kMaxEditCommands + 1), then kEditCommandBytes bytes per command, then the
// layout file.

#include <QByteArray>
#include <QString>

namespace sw {

constexpr int kMaxEditCommands = 16;
constexpr int kEditCommandBytes = 6;

struct EditOutcome {
    bool opened = false;
    QString refusal;
    int commandsRun = 0;
    int components = 0;       // after the last command
    bool reopened = false;    // the final document, saved, opened again
    QString reopenProblem;
    bool selectionInStep = true;  // every selected element is an element of the document
    bool undoRestores = true;    // a snapshot left at the end parses back
    // After every command, the census a paste reads is the one a walk of the
    // layout gives, whenever the session holds it as current.
    bool censusTrue = true;
};

// Splits the input into the commands and the layout file.
struct EditInput {
    QByteArray commands;  // kEditCommandBytes per command
    QByteArray layout;
};
EditInput SplitEditInput(const QByteArray& bytes);
// The input that applies `commands` to `layout` (the inverse of SplitEditInput).
QByteArray JoinEditInput(const QByteArray& commands, const QByteArray& layout);

// Needs a QGuiApplication with the program's fonts registered.
EditOutcome RunEditSequence(const QByteArray& bytes);

}  // namespace sw
