#pragma once
// Prints a grid as a list: the visible columns in the order and sort of the view, a page header
// with the client company, the title and the date, the column captions repeated on every page,
// and "Seite n von m" at the foot. The grid's rows must be read before (FetchAll).
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;
class TORVDataGrid;

class TGridDruck {
public:
    TGridDruck(const TORVDataGrid& grid, QString titel, QString mandant);

    // Draws every page; false when the device cannot be painted on.
    bool Drucken(QPagedPaintDevice& device) const;

    const QStringList& Kopf() const { return kopf_; }
    const std::vector<QStringList>& Zeilen() const { return zeilen_; }

private:
    QString titel_, mandant_;
    QStringList kopf_;
    std::vector<bool> rechts_;
    std::vector<QStringList> zeilen_;
};
