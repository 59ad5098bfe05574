#include "platform/ui/std_button.h"

#include <QStyle>

#include "platform/ui/function_keys.h"

namespace {

QStyle::StandardPixmap PictureOf(TORVStdButton::Kind kind) {
    switch (kind) {
        case TORVStdButton::Kind::Ende: return QStyle::SP_DialogCloseButton;
        case TORVStdButton::Kind::Zurueck: return QStyle::SP_ArrowBack;
        case TORVStdButton::Kind::MaskeLeeren: return QStyle::SP_DialogResetButton;
        case TORVStdButton::Kind::Buchen: return QStyle::SP_DialogApplyButton;
        case TORVStdButton::Kind::Abbrechen: return QStyle::SP_DialogCancelButton;
        case TORVStdButton::Kind::Custom: break;
    }
    return QStyle::SP_CustomBase;
}

}  // namespace

QString TORVStdButton::CaptionOf(Kind kind) {
    switch (kind) {
        case Kind::Ende: return QStringLiteral("Ende");
        case Kind::Zurueck: return QStringLiteral("Zurück");
        case Kind::MaskeLeeren: return QStringLiteral("Maske leeren");
        case Kind::Buchen: return QStringLiteral("Buchen - F5");
        case Kind::Abbrechen: return QStringLiteral("Abbrechen");
        case Kind::Custom: break;
    }
    return {};
}

TORVStdButton::TORVStdButton(Kind kind, QWidget* parent) : QPushButton(parent), kind_(kind) {
    setAutoDefault(false);
    if (kind != Kind::Custom) setIcon(style()->standardIcon(PictureOf(kind), nullptr, this));
    SetCaption(CaptionOf(kind));
}

TORVStdButton::TORVStdButton(const QString& caption, QWidget* parent)
    : QPushButton(parent), kind_(Kind::Custom) {
    setAutoDefault(false);
    SetCaption(caption);
}

void TORVStdButton::SetCaption(const QString& caption) {
    setText(caption);
    setShortcut(kis::ui::KeyFromCaption(caption));
}
