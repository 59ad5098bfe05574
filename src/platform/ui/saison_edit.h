#pragma once
// Season criterion edit: upper case, up to 256 characters, several seasons separated by
// commas, semicolons or blanks. F2 (menu "Saisonauswahl") runs the season picker that the
// owner installs; the picker gets the current seasons and returns the new choice.
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/ui/mask_edit.h"

class TORVSaisonEdit : public TORVMaskEdit {
    Q_OBJECT

public:
    explicit TORVSaisonEdit(QWidget* parent = nullptr);

    bool SetText(const QString& value) override;

    // The single seasons of the text, in order, without blanks and duplicates.
    QStringList Seasons() const;
    void SetSeasons(const QStringList& seasons);

    // The picker: given the current seasons, returns the chosen ones or nullopt on cancel.
    std::function<std::optional<QStringList>(const QStringList& current)> OnSaisonAuswahl;
    // Runs the picker when the edit is enabled; true when the text was changed by it.
    bool DoSaisonAuswahl();

protected:
    bool HasOwnHelp() const override { return bool(OnSaisonAuswahl); }
    void OwnHelp() override { DoSaisonAuswahl(); }
};
