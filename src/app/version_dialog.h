#pragma once
// The version window: program name, version, build date, the suite database in use and its
// schema version.
#include <QDialog>

class TVersionsanzeige : public QDialog {
    Q_OBJECT

public:
    explicit TVersionsanzeige(const QString& programmName, QWidget* parent = nullptr);

    // The lines shown ("Version: 0.1.0" ...), for the window and for tests.
    static QStringList Zeilen(const QString& programmName);
};
