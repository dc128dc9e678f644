#pragma once

#include <QString>

class ClientDataSet;

// Finding and filtering the rows of the shared grid, as its find and filter dialogs do.

// Moves the cursor to the next row (after the current one, or from the first with fromFirst) whose
// field contains `text`, letter case ignored. False, and no move, when no such row follows.
bool FindContaining(ClientDataSet& rows, const QString& field, const QString& text, bool fromFirst);

// Shows only the rows whose field starts with `pattern`, in which "%" stands for any run of
// characters (so "%口" finds the field containing 口 anywhere). The pattern "null" keeps the rows
// whose field is empty; an empty pattern shows every row again.
void FilterRows(ClientDataSet& rows, const QString& field, const QString& pattern);
