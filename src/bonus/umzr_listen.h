#pragma once
// The two grids of the turnover period premium's "Extra Bonus" tab: the extra-bonus scale
// (threshold, bonus) and the fixed bonifiable values of single articles. Each grid ends in an
// appended empty row; typing into it adds a row, but only while no other row is empty. A
// selected row is removed with Ctrl+Del.
#include <QTableWidget>
#include <vector>

#include "platform/bonus/umzr_params.h"

class TUmzrListe : public QTableWidget {
    Q_OBJECT

public:
    enum class Art { ExtraBonus, Artikel };
    TUmzrListe(Art art, const QString& name, QWidget* parent);

    // Rows without the appended row.
    int Zeilen() const { return rowCount() - 1; }
    bool ZeileLeer(int row) const;

    // UMZR_ExtraBonusLesen / UMZR_PGBAuslesen: throw std::invalid_argument (German text) for
    // a row that cannot be read, so a save never stores a half-read list.
    std::vector<TQEL_WertBis_Betrag> ExtraBonusLesen() const;
    std::vector<TQEL_PID_GR_Betrag> PGBAuslesen() const;
    void ExtraBonusSetzen(const std::vector<TQEL_WertBis_Betrag>& liste);
    void PGBSetzen(const std::vector<TQEL_PID_GR_Betrag>& liste);
    void Leeren();
    void SetBearbeitbar(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ZelleGeaendert(int row, int column);
    void AngehaengteZeile();
    bool ZeileLeerOderFehler(int row) const;
    int WertSpalte() const { return art_ == Art::Artikel ? 5 : 1; }

    Art art_;
    bool bearbeitbar_ = false;
    bool intern_ = false;
};
