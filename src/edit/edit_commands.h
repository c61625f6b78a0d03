// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that change components already in the layout: Delete, the four
// moves and Rotate act on the session's selection; Replace, Change Value and
// Change Shape on its current node; Rename on the entry the explorer edited.
// Components carry the pads they own (pads whose `Parent` is their name) when
// they move or rotate, and take them along when they are deleted or replaced.

#include <QString>
#include <pugixml.hpp>

namespace sw {

class EditorHost;
class EditorSession;
class PlacementTool;

// Removes the pads owned by `name`, each after the pads owned by its own name.
// A chain of pads that owns itself ends instead of recursing without end.
void DeleteOwnedPads(EditorSession& session, const QString& name);

// `verb` names the step for Undo ("Delete R1", "Cut 3 parts").
void DeleteSelection(EditorHost& host, const QString& verb = QStringLiteral("Delete"));

enum class MoveDirection { Up, Down, Left, Right };
void MoveSelection(EditorHost& host, MoveDirection direction);

// A quarter turn clockwise on the screen about the rounded centre of the
// selection's holes.
void RotateSelection(EditorHost& host);

// Starts placing the current node's kind with its element as the replace target.
void ReplaceCurrent(EditorHost& host, PlacementTool& tool);
// Asks for a new `Value` of the current element; a pad or trace also sets the
// default pad size or trace width. Cancel changes nothing, not even the undo step.
void ChangeValue(EditorHost& host, PlacementTool& tool);
// Gives the current wire a new `Seed` (a new bend).
void ChangeShape(EditorHost& host, int seed);

// The end of renaming `element` in place with the typed text: an empty text
// keeps the old name; a name of four or more characters is asked about first.
// The rename is one undo step and leaves nothing selected.
void RenameComponent(EditorHost& host, pugi::xml_node element, const QString& typed);

// The centre coordinate of a rotation: the middle of min and max, a half going
// to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RotationCentre(int min, int max);

}  // namespace sw
