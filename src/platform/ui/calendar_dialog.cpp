#include "platform/ui/calendar_dialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/german_format.h"

TCalendarDialog::TCalendarDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CalendarDlg"));
    setWindowTitle(tr("Kalender"));
    setLocale(kis::ui::GermanLocale());

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("calKalender"));
    calendar_->setLocale(kis::ui::GermanLocale());
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addWidget(buttons);
}

QDate TCalendarDialog::SelectedDate() const { return calendar_->selectedDate(); }

void TCalendarDialog::SetSelectedDate(const QDate& date) {
    calendar_->setSelectedDate(date.isValid() ? date : QDate::currentDate());
}

bool TCalendarDialog::Execute(QDate& date) {
    SetSelectedDate(date);
    calendar_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    date = SelectedDate();
    return true;
}
