#include "platform/ui/customer/kunden_suche.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/mask_edit.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TKundenSuche::TKundenSuche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSuche"));
    edtSuchText_ = new QLineEdit(this);
    edtSuchText_->setObjectName(QStringLiteral("edtSuchText"));
    edtSuchText_->setPlaceholderText(QStringLiteral("z. B. Meier oder M*er"));
    edtSuchNr_ = new TORVIntegerEdit(9, 999999999, 0, this);
    edtSuchNr_->setObjectName(QStringLiteral("edtSuchNr"));
    btnSuchen_ = new QPushButton(QStringLiteral("&Suchen"), this);
    btnSuchen_->setObjectName(QStringLiteral("btnSuchen"));
    btnSuchen_->setAutoDefault(false);
    lblHinweis_ = new QLabel(this);
    lblHinweis_->setObjectName(QStringLiteral("lblHinweis"));

    model_ = new TORVDataModel(this);
    model_->AddColumn({QStringLiteral("NR"), QStringLiteral("Nr."), Qt::AlignRight | Qt::AlignVCenter, true, 70,
                       [](const QVariant& v) { return v.toString(); }});
    model_->AddColumn({QStringLiteral("NAME"), QStringLiteral("Name"), Qt::AlignLeft | Qt::AlignVCenter, true, 160, {}});
    model_->AddColumn({QStringLiteral("VORNAME"), QStringLiteral("Vorname"), Qt::AlignLeft | Qt::AlignVCenter, true, 110, {}});
    model_->AddColumn({QStringLiteral("STRASSE"), QStringLiteral("Straße"), Qt::AlignLeft | Qt::AlignVCenter, true, 150, {}});
    model_->AddColumn({QStringLiteral("PLZ"), QStringLiteral("PLZ"), Qt::AlignLeft | Qt::AlignVCenter, true, 60, {}});
    model_->AddColumn({QStringLiteral("ORT"), QStringLiteral("Ort"), Qt::AlignLeft | Qt::AlignVCenter, true, 120, {}});
    model_->AddColumn({QStringLiteral("STATUS"), QStringLiteral("Status"), Qt::AlignLeft | Qt::AlignVCenter, true, 60, {}});
    grdTreffer_ = new TORVDataGrid(this);
    grdTreffer_->setObjectName(QStringLiteral("grdTreffer"));
    grdTreffer_->SetDataModel(model_);
    grdTreffer_->setMinimumHeight(220);

    auto* form = new QFormLayout;
    auto* textLabel = new QLabel(QStringLiteral("&Name / Suchbegriff"));
    textLabel->setBuddy(edtSuchText_);
    auto* nrLabel = new QLabel(QStringLiteral("Kunden&nummer ab"));
    nrLabel->setBuddy(edtSuchNr_);
    form->addRow(textLabel, edtSuchText_);
    form->addRow(nrLabel, edtSuchNr_);
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(btnSuchen_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(grdTreffer_, 1);
    layout->addWidget(lblHinweis_);

    connect(btnSuchen_, &QPushButton::clicked, this, [this] { Suchen(); });
    connect(edtSuchText_, &QLineEdit::returnPressed, this, [this] { Suchen(); });
    connect(edtSuchNr_, &QLineEdit::returnPressed, this, [this] { Suchen(); });
    connect(grdTreffer_, &TORVDataGrid::RowActivated, this, [this](int row) {
        if (row >= 0 && row < int(treffer_.size())) emit KundeGewaehlt(treffer_[size_t(row)].GepNr);
    });
}

int TKundenSuche::Suchen() {
    treffer_.clear();
    try {
        kis::partners::TCustomerMaster master;
        const TIntPair mandant = ORVProgramm().GetAktMandant();
        const QString text = edtSuchText_->text().trimmed();
        if (!edtSuchNr_->IsEmpty())
            treffer_ = master.SucheNummer(mandant, int32_t(edtSuchNr_->GetAsInteger(0)));
        else
            treffer_ = master.SucheName(mandant, text.toStdString());
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TKundenSuche.Suchen", e, 1);
        lblHinweis_->setText(QStringLiteral("Die Suche ist fehlgeschlagen: ") + QString::fromUtf8(e.what()));
    }
    std::vector<QVariantList> rows;
    for (const auto& t : treffer_)
        rows.push_back({t.GepNr.Rnr == 0 ? QString::number(t.GepNr.Lnr) : Q(t.GepNr.ToString()),
                        Q(t.Name2.empty() ? t.Name : t.Name + " " + t.Name2), Q(t.Vorname),
                        Q(t.Strasse), Q(t.Plz), Q(t.Ort),
                        t.Status == "P" ? QStringLiteral("passiv") : QStringLiteral("aktiv")});
    model_->SetRows(std::move(rows));
    if (treffer_.empty()) {
        if (lblHinweis_->text().isEmpty() || !lblHinweis_->text().startsWith(QStringLiteral("Die Suche ist")))
            lblHinweis_->setText(QStringLiteral("Keine passenden Kunden gefunden."));
        edtSuchText_->setFocus();
    } else {
        lblHinweis_->setText(QStringLiteral("%1 Kunde(n) gefunden.").arg(treffer_.size()));
        grdTreffer_->SelectRow(0);
        grdTreffer_->setFocus();
    }
    return int(treffer_.size());
}

void TKundenSuche::Leeren() {
    edtSuchText_->clear();
    edtSuchNr_->Clear();
    treffer_.clear();
    model_->SetRows({});
    lblHinweis_->clear();
}

TIntPair TKundenSuche::Gewaehlt() const {
    const int row = grdTreffer_->CurrentRow();
    return row >= 0 && row < int(treffer_.size()) ? treffer_[size_t(row)].GepNr : TIntPair();
}

bool TKundenSuche::WaehleNach(const TIntPair& kunde) {
    for (size_t i = 0; i < treffer_.size(); ++i)
        if (treffer_[i].GepNr == kunde) {
            if (i + 1 >= treffer_.size()) return false;
            return grdTreffer_->SelectRow(int(i + 1));
        }
    return false;
}

void TKundenSuche::FokusSuche() {
    edtSuchText_->setFocus();
    edtSuchText_->selectAll();
}
