#include "app/version_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/store/database.h"

#ifndef KIS_VERSION
#define KIS_VERSION "0.0.0"
#endif

QStringList TVersionsanzeige::Zeilen(const QString& programmName) {
    QStringList z{programmName, QStringLiteral("Version: %1").arg(QStringLiteral(KIS_VERSION)),
                  QStringLiteral("Erstellt: %1").arg(QStringLiteral(__DATE__))};
    if (kis::store::HasSuiteDb()) {
        const auto& db = kis::store::SuiteDb();
        z << QStringLiteral("Datenbank: %1").arg(QString::fromStdString(db.Path()))
          << QStringLiteral("Schema-Version: %1").arg(db.SchemaVersion());
    } else {
        z << QStringLiteral("Datenbank: keine geöffnet");
    }
    return z;
}

TVersionsanzeige::TVersionsanzeige(const QString& programmName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVersion"));
    setWindowTitle(QStringLiteral("Version"));
    auto* layout = new QVBoxLayout(this);
    const QStringList zeilen = Zeilen(programmName);
    for (int i = 0; i < zeilen.size(); ++i) {
        auto* l = new QLabel(zeilen[i], this);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (i == 0) {
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.3);
            l->setFont(f);
        }
        layout->addWidget(l);
    }
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(box);
}
