#pragma once
// Live preview of a card or label layout: the page as it will be printed, every label filled
// with one customer's data and outlined, or one label enlarged. Drawn by the same code as the
// print, into an image of the page at the widget's scale.
#include <QImage>
#include <QWidget>
#include <optional>

#include "platform/layouts/kund_layout.h"
#include "platform/layouts/kunden_felder.h"

class TLayoutVorschau : public QWidget {
    Q_OBJECT

public:
    explicit TLayoutVorschau(QWidget* parent = nullptr);

    // No layout (a file that cannot be read): the preview shows an empty area.
    void SetLayout(const std::optional<kis::layouts::TKundLayout>& layout);
    void SetKunde(const kis::layouts::TKundenDaten& kunde);
    // Shows the first label alone, as large as the area allows.
    void SetNurEinEtikett(bool ein);
    bool NurEinEtikett() const { return FEinEtikett; }

    // The picture as last drawn (tests look at it).
    QImage Bild(const QSize& groesse) const;

    QSize sizeHint() const override { return {320, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<kis::layouts::TKundLayout> FLayout;
    kis::layouts::TKundenDaten FKunde;
    bool FEinEtikett = false;
};
