#pragma once
// The dialog of a serial letter: which fields go into the data file and in which order, where
// the data file goes, and optionally the letter template (address block, subject, text with
// "#FELD#" placeholders inserted from a list) and the PDF the merged letters go to.
#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

#include "platform/ui/serbrief/serbrief_vorgaben.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TGPSerBriefDialog : public QDialog {
    Q_OBJECT

public:
    // Offered fields as (key, caption), in the order the list shows them at first.
    TGPSerBriefDialog(QWidget* parent, const std::vector<std::pair<QString, QString>>& felder,
                      const kis::ui::SerienbriefVorgaben& vorgaben);

    // The user's choice (valid after accept).
    kis::ui::SerienbriefVorgaben Vorgaben() const;
    bool BriefeOeffnen() const;

    QListWidget* lstSpalten;
    QLineEdit* edtDatenDatei;
    QGroupBox* grpVorlage;
    QPlainTextEdit* edtAnschrift;
    QLineEdit* edtBetreff;
    QPlainTextEdit* edtVorlage;
    QComboBox* cmbFeld;
    QLineEdit* edtPdfDatei;
    QCheckBox* chbOeffnen;
    QPushButton* btnOk;

    void accept() override;

private:
    void Verschieben(int schritt);
    void FeldEinfuegen();
    void DateiWaehlen(QLineEdit* edit, const QString& titel, const QString& filter,
                      const QString& endung);

    QWidget* FLetztesFeld = nullptr;  // the template field that had the focus last
    kis::ui::SerienbriefVorgaben FVorgaben;
};
