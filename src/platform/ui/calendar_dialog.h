#pragma once
// Date picker dialog: a German calendar (weeks from Monday) with "OK" and "Abbrechen".
// A double click or Enter on a day confirms.
#include <QDate>
#include <QDialog>

class QCalendarWidget;

class TCalendarDialog : public QDialog {
    Q_OBJECT

public:
    explicit TCalendarDialog(QWidget* parent = nullptr);

    // Shows the calendar at `date` (today when invalid); on OK `date` becomes the choice.
    bool Execute(QDate& date);

    QDate SelectedDate() const;
    void SetSelectedDate(const QDate& date);
    QCalendarWidget* Calendar() const { return calendar_; }

private:
    QCalendarWidget* calendar_;
};
