#pragma once
// Our custom actions in Thunar's uca.xml. The user's own actions and every other byte of the
// file stay as they were; an action of ours is found by its unique id.
#include <QString>

// What one action shows and starts; `conditions` are the elements that choose the items it
// appears for, such as "<patterns>*</patterns><directories/>".
struct ThunarAction {
    QString uniqueId;
    QString name;
    QString command;
    QString conditions;
};

// The action file that add starts from when there is no file at all.
QString emptyThunarActions();
// The text with the action in place of an earlier one of its id, else before "</actions>";
// an empty text becomes a file of this one action. Throws TabulixError for a text that
// holds no "</actions>", which is no action file to add to.
QString withThunarAction(const QString &text, const ThunarAction &action);
// The text without the action of that id; unchanged when there is none.
QString withoutThunarAction(const QString &text, const QString &uniqueId);
// The command of the action of that id, its XML escapes undone; empty when there is none.
QString thunarActionCommand(const QString &text, const QString &uniqueId);
