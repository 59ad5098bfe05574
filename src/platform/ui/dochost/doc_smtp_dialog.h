#pragma once
// "E-Mail-Einstellungen": the mail server the message center sends through (settings mask
// "SMTPCFG"). An empty server means e-mails are only written as files.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

class TDocSmtpDialog : public QDialog {
    Q_OBJECT

public:
    explicit TDocSmtpDialog(QWidget* parent = nullptr);

    QLineEdit* edtServer;
    QSpinBox* spnPort;
    QComboBox* cmbVerschluesselung;
    QLineEdit* edtBenutzer;
    QLineEdit* edtAbsender;
    QLineEdit* edtAbsenderName;

    // Checks and saves; the window closes only when the settings were written.
    void accept() override;
};
