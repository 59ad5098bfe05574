#include "platform/ui/mail/smtp_einstellungen.h"

#include <exception>
#include <stdexcept>

#include "platform/services/orv_info.h"
#include "platform/services/settings.h"
#include "platform/store/booking.h"

namespace {

QString Lesen(const char* name) {
    return QString::fromStdString(kis::services::ReadDef(TSmtpEinstellungen::kMaske, name, std::string()));
}

}  // namespace

TSmtpEinstellungen TSmtpEinstellungen::Laden() {
    TSmtpEinstellungen e;
    e.Server = Lesen("SERVER").trimmed();
    e.Port = kis::services::ReadDef(kMaske, "PORT", 25);
    if (e.Port <= 0 || e.Port > 65535) e.Port = 25;
    const int v = kis::services::ReadDef(kMaske, "VERSCHLUESSELUNG", int(TSmtpVerschluesselung::StartTls));
    e.Verschluesselung = (v >= 0 && v <= 2) ? TSmtpVerschluesselung(v) : TSmtpVerschluesselung::StartTls;
    e.Benutzer = Lesen("BENUTZER");
    e.Absender = Lesen("ABSENDER").trimmed();
    e.AbsenderName = Lesen("ABSENDERNAME");
    const int timeout = kis::services::ReadDef(kMaske, "TIMEOUT", 30);
    e.TimeoutMs = (timeout > 0 && timeout <= 600 ? timeout : 30) * 1000;
    return e;
}

bool TSmtpEinstellungen::Speichern() const {
    try {
        // One outer booking: the single writes nest inside it, and a failed one rolls all back.
        kis::store::BookingScope booking(kis::services::kSettingsBookingType);
        auto schreibe = [](const char* name, const std::string& wert) {
            if (!kis::services::WriteGlobal(kMaske, name, wert))
                throw std::runtime_error(std::string("Einstellung ") + name + " nicht gespeichert");
        };
        schreibe("SERVER", Server.trimmed().toStdString());
        schreibe("PORT", std::to_string(Port));
        schreibe("VERSCHLUESSELUNG", std::to_string(int(Verschluesselung)));
        schreibe("BENUTZER", Benutzer.toStdString());
        schreibe("ABSENDER", Absender.trimmed().toStdString());
        schreibe("ABSENDERNAME", AbsenderName.toStdString());
        schreibe("TIMEOUT", std::to_string(TimeoutMs / 1000));
        booking.Commit();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSmtpEinstellungen.Speichern", e, 1);
        return false;
    }
}
