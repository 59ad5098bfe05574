#pragma once
// Small builders for the rows of the selection boxes: a negation label with one input, or
// with a from/to (min/max) pair of inputs, in a four-column grid layout.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "platform/ui/mask_edit.h"
#include "platform/ui/neg_label.h"

namespace kis::selection {

template <class T>
T* Benannt(T* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

inline void EinzelZeile(QGridLayout* g, int row, TORVAttachNegLabel* label, QWidget* eingabe,
                        QWidget* knopf = nullptr) {
    label->Attach(eingabe);
    g->addWidget(label, row, 0);
    g->addWidget(eingabe, row, 1, 1, knopf ? 3 : 4);
    if (knopf) g->addWidget(knopf, row, 4);
}

inline void PaarZeile(QGridLayout* g, int row, TORVAttachNegLabel* label, const QString& von,
                      QWidget* a, const QString& bis, QWidget* b) {
    // A cell made of several widgets hands its focus to its input.
    auto eingabe = [](QWidget* w) { return w->focusProxy() ? w->focusProxy() : w; };
    label->Attach(eingabe(a));
    g->addWidget(label, row, 0);
    auto* lv = new QLabel(von, label->parentWidget());
    lv->setBuddy(eingabe(a));
    auto* lb = new QLabel(bis, label->parentWidget());
    lb->setBuddy(eingabe(b));
    g->addWidget(lv, row, 1, Qt::AlignRight);
    g->addWidget(a, row, 2);
    g->addWidget(lb, row, 3, Qt::AlignRight);
    g->addWidget(b, row, 4);
}

inline QToolButton* KalenderKnopf(QWidget* parent, const char* name, TORVDateEdit* edit) {
    auto* b = Benannt(new QToolButton(parent), name);
    b->setText(QStringLiteral("…"));
    b->setToolTip(QStringLiteral("Kalender - F2"));
    b->setFocusPolicy(Qt::NoFocus);  // F2 in the edit does the same
    QObject::connect(b, &QToolButton::clicked, edit, [edit] {
        if (edit->isEnabled()) edit->RunCalendar();
    });
    return b;
}

// A date edit with its calendar button beside it, as one cell of a row.
inline QWidget* MitKalender(QWidget* parent, TORVDateEdit* edit, const char* knopfName) {
    auto* zelle = new QWidget(parent);
    auto* l = new QHBoxLayout(zelle);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    edit->setParent(zelle);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    l->addWidget(edit, 1);
    l->addWidget(KalenderKnopf(zelle, knopfName, edit));
    zelle->setFocusProxy(edit);
    return zelle;
}

}  // namespace kis::selection
