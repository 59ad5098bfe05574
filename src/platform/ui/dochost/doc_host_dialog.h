#pragma once
// The window "Message Center": subject and text of the message, the placeholder list (Einfg or
// a double-click inserts the selected one at the cursor of the subject or the text, whichever
// had the focus last), a preview for any customer of the list, and "Erstellen - F5", which
// produces the message for all customers. The last message and folder are kept per program
// and mask in the form store.
#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class Tgpdochost;

class TDocHostDialog : public QDialog {
    Q_OBJECT

public:
    TDocHostDialog(Tgpdochost& host, const QString& programm, const QString& maske, QWidget* parent = nullptr);

    bool Erzeugt() const { return FErzeugt; }

    QLineEdit* edtBetreff;
    QPlainTextEdit* memText;
    QListWidget* lstPlatzhalter;
    QPushButton* btnEinfuegen;
    QPushButton* btnVorheriger;
    QSpinBox* spnKunde;
    QPushButton* btnNaechster;
    QLabel* lblEmpfaenger;
    QPlainTextEdit* memVorschau;
    QPushButton* btnEinstellungen;
    QPushButton* btnErstellen;
    QPushButton* btnZurueck;

    // Inserts the selected placeholder where the user was writing.
    void PlatzhalterEinfuegen();
    // Shows the message of the customer chosen in spnKunde (1 = first of the list).
    void VorschauAktualisieren();
    void btnErstellenClick();
    void btnEinstellungenClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MaskeLaden();
    void MaskeSpeichern();

    Tgpdochost& FHost;
    std::string FProgramm;
    std::string FMaske;
    QPointer<QWidget> FZiel;  // the edit that had the focus last
    QTimer* FVorschauTimer;
    bool FErzeugt = false;
};
