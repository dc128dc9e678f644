#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class ClientDataSet;

// Adds a row after the last one, mirroring a row the server has just stored, and puts the cursor
// on it. Fields not named stay null.
void AppendRow(ClientDataSet& dataset, const QList<std::pair<QString, QVariant>>& values);
