#pragma once
// Draws cards and labels with a QPainter in millimetres of the page: the painter's device is
// one page whose top left corner is the painter's origin. Lengths become device pixels through
// the device's resolution, fonts keep their point size, so a PDF, a printer and the preview
// image all show the same positions.
#include "platform/layouts/kund_layout.h"
#include "platform/layouts/kunden_felder.h"

class QPagedPaintDevice;
class QPainter;
class QPageLayout;

namespace kis::ui {

// The page of the layout, without margins (the layout places everything itself).
QPageLayout SeitenLayout(const kis::layouts::TKundLayout& layout);

// Draws one label: its top left corner at (xMm, yMm) of the page. The texts are clipped to
// the label. With `umriss` a dashed outline shows the label's edge (for the preview); the
// layout's own frame is drawn when it asks for one.
void EtikettZeichnen(QPainter& p, const kis::layouts::TKundLayout& layout, double xMm, double yMm,
                     const kis::layouts::TKundenDaten& kunde, bool umriss = false);

}  // namespace kis::ui
