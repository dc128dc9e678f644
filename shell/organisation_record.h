#pragma once

#include <QString>
#include <QStringList>

class AppServer;
class ClientDataSet;

// The one row of 部门信息 that names the station. Its first column is the station's name.
class OrganisationRecord {
  public:
    // The ten columns in box order, and the labels of their boxes.
    static const QStringList& Columns();
    static const QStringList& Labels();

    OrganisationRecord(AppServer& server, ClientDataSet& depinf);

    // The ten values; an empty table first gets the row "**汽车站".
    QStringList load();
    // Writes the ten values into the row.
    void save(const QStringList& values);

  private:
    AppServer& server_;
    ClientDataSet& depinf_;
};
