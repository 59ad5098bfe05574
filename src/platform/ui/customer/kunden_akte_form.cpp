#include "platform/ui/customer/kunden_akte_form.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/partners/customer_master.h"
#include "platform/partners/customer_summary.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/german_format.h"
#include "platform/ui/std_button.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
QString H(const std::string& s) { return Q(s).toHtmlEscaped(); }
}  // namespace

TQEL_KubeAktenForm::TQEL_KubeAktenForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmKundenAkte"));
    setWindowTitle(QStringLiteral("Kundeninformation"));
    lblStamm_ = new QLabel(this);
    lblStamm_->setObjectName(QStringLiteral("lblStamm"));
    lblStamm_->setTextFormat(Qt::RichText);
    lblStamm_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStamm_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblUmsatz_ = new QLabel(this);
    lblUmsatz_->setObjectName(QStringLiteral("lblUmsatz"));
    lblUmsatz_->setTextFormat(Qt::RichText);
    grdOP_ = new QTableWidget(0, 3, this);
    grdOP_->setObjectName(QStringLiteral("grdOP"));
    grdOP_->setHorizontalHeaderLabels({QStringLiteral("Tabelle"), QStringLiteral("Posten"),
                                       QStringLiteral("Offen")});
    grdOP_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdOP_->verticalHeader()->hide();
    grdOP_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    boni_ = new TORVDataModel(this);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    boni_->AddColumn({QStringLiteral("REF"), QStringLiteral("Bonus"), left, true, 100, {}});
    boni_->AddColumn({QStringLiteral("PROGRAMM"), QStringLiteral("Programm"), left, true, 140, {}});
    boni_->AddColumn({QStringLiteral("DATUM"), QStringLiteral("Datum"), left, true, 80,
                      [](const QVariant& v) { return kis::ui::FormatDate(v.toDouble()); }});
    boni_->AddColumn({QStringLiteral("WERT"), QStringLiteral("Wert"), right, true, 80, {}});
    boni_->AddColumn({QStringLiteral("GUELTIGBIS"), QStringLiteral("Gültig bis"), left, true, 80,
                      [](const QVariant& v) { return kis::ui::FormatDate(v.toDouble()); }});
    boni_->AddColumn({QStringLiteral("ZUSTAND"), QStringLiteral("Zustand"), left, true, 110, {}});
    grdBoni_ = new TORVDataGrid(this);
    grdBoni_->setObjectName(QStringLiteral("grdBoni"));
    grdBoni_->SetDataModel(boni_);
    grdBoni_->horizontalHeader()->setStretchLastSection(true);

    auto* stamm = new QGroupBox(QStringLiteral("Stammdaten"), this);
    (new QVBoxLayout(stamm))->addWidget(lblStamm_);
    auto* umsatz = new QGroupBox(QStringLiteral("Umsatz"), this);
    (new QVBoxLayout(umsatz))->addWidget(lblUmsatz_);
    auto* op = new QGroupBox(QStringLiteral("Offene Posten"), this);
    (new QVBoxLayout(op))->addWidget(grdOP_);
    auto* boni = new QGroupBox(QStringLiteral("Boni"), this);
    (new QVBoxLayout(boni))->addWidget(grdBoni_);
    auto* btnZurueck = new TORVStdButton(TORVStdButton::Kind::Zurueck, this);
    btnZurueck->setObjectName(QStringLiteral("btnZurueck"));
    connect(btnZurueck, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(stamm, 3);
    auto* rightCol = new QVBoxLayout;
    rightCol->addWidget(umsatz);
    rightCol->addWidget(op, 1);
    top->addLayout(rightCol, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnZurueck);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(boni, 1);
    layout->addLayout(buttons);
    resize(780, 560);
}

bool TQEL_KubeAktenForm::Laden() {
    grdOP_->setRowCount(0);
    boni_->SetRows({});
    lblUmsatz_->clear();
    kis::partners::TCustomerMaster master;
    const auto k = master.Lesen(gepNr_);
    if (!k) {
        lblStamm_->setText(QStringLiteral("Der Kunde %1 ist nicht vorhanden.").arg(Q(gepNr_.ToString())));
        return false;
    }
    QString name = Q(k->Name);
    if (!k->Name2.empty()) name += QLatin1Char(' ') + Q(k->Name2);
    if (!k->Vorname.empty()) name += QStringLiteral(", ") + Q(k->Vorname);
    setWindowTitle(QStringLiteral("Kundeninformation - ") + name);
    QString html = QStringLiteral("<b>%1</b> (Nr. %2)<br>")
                       .arg(name.toHtmlEscaped(), gepNr_.Rnr == 0 ? QString::number(gepNr_.Lnr)
                                                                  : Q(gepNr_.ToString()));
    if (!k->Anrede.empty()) html = H(k->Anrede) + QStringLiteral("<br>") + html;
    html += H(k->Strasse) + QStringLiteral("<br>") + H(k->Plz) + QLatin1Char(' ') + H(k->Ort);
    if (!k->Land.empty() && k->Land != "D") html += QStringLiteral(" (") + H(k->Land) + QLatin1Char(')');
    html += QStringLiteral("<br><br>");
    auto line = [&html](const QString& caption, const QString& value) {
        if (!value.isEmpty()) html += QStringLiteral("%1: %2<br>").arg(caption, value.toHtmlEscaped());
    };
    line(QStringLiteral("Telefon"), Q(k->Telefon));
    line(QStringLiteral("E-Mail"), Q(k->Email));
    line(QStringLiteral("Geburtstag"), kis::ui::FormatDate(k->Geburtstag));
    line(QStringLiteral("Kunde seit"), kis::ui::FormatDate(k->Anlagedatum));
    line(QStringLiteral("Status"), k->Status == "P" ? QStringLiteral("passiv") : QStringLiteral("aktiv"));
    for (const auto& m : k->Merkmale) line(Q(m.Name), Q(m.Wert));
    for (const auto& n : k->Nummern) line(Q(n.Art), Q(n.Nummer));
    lblStamm_->setText(html);

    kis::partners::TCustomerSummary summary;
    const TIntPair mandant = ORVProgramm().GetAktMandant();
    const int jahr = QDate::currentDate().year();
    const QString waehrung = Q(ORVProgramm().GetWaehrung());
    lblUmsatz_->setText(QStringLiteral("%1: <b>%2 %4</b><br>%3: %5 %4")
                            .arg(jahr)
                            .arg(kis::ui::FormatAmount(double(summary.Umsatz(mandant, gepNr_, jahr))))
                            .arg(jahr - 1)
                            .arg(waehrung)
                            .arg(kis::ui::FormatAmount(double(summary.Umsatz(mandant, gepNr_, jahr - 1)))));
    for (const auto& t : summary.OffenePosten(mandant, gepNr_)) {
        const int r = grdOP_->rowCount();
        grdOP_->insertRow(r);
        grdOP_->setItem(r, 0, new QTableWidgetItem(Q(t.Tabelle)));
        auto* n = new QTableWidgetItem(QString::number(t.Anzahl));
        n->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdOP_->setItem(r, 1, n);
        auto* o = new QTableWidgetItem(kis::ui::FormatAmount(double(t.Offen)));
        o->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdOP_->setItem(r, 2, o);
    }
    std::vector<QVariantList> rows;
    for (const auto& b : summary.Boni(mandant, gepNr_, kis::ui::FromQDate(QDate::currentDate()))) {
        rows.push_back({QStringLiteral("%1-%2-%3").arg(b.RNr).arg(b.LNr).arg(b.SNr),
                        Q(b.Programm.empty() ? b.ProgrammId : b.Programm), b.Datum,
                        kis::ui::FormatAmount(double(b.Wert)), b.GueltigBis, Q(b.Zustand)});
    }
    boni_->SetRows(std::move(rows));
    return true;
}

void TQEL_KubeAktenForm::Execute() {
    try {
        Laden();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TQEL_KubeAktenForm.Execute", e, 1);
        lblStamm_->setText(QStringLiteral("Die Kundendaten konnten nicht gelesen werden: ") + QString::fromUtf8(e.what()));
    }
    exec();
}
