#pragma once
// Base of the selection boxes: a titled frame whose controls are described by the box's
// schema (platform/selbox). It implements the box contract once for all boxes:
//  - Clear: every control that is not locked by a preset back to its default;
//  - EnabledSetzen: enables or disables the criteria controls (enabling also lifts the
//    preset locks of a previous show);
//  - MaskeLaden / MaskeSpeichern / MaskeLoeschen: the box's own form store (program of the
//    schema, mask slot FMaskeOwner, index "0"); a load never touches locked controls;
//  - ChangedItemsGet: the preset lines of the criteria that differ from the defaults;
//  - Werte / WertSetzen: the box's state as text, the form preset lines carry it;
//  - PresetSetzen: sets one control from a preset line and locks it.
// Dependent controls (enabled only while a check box is checked) are updated by the box
// in AbhaengigeAktualisieren, through AbhaengigSetzen, which never touches a locked control.
#include <QGroupBox>
#include <QSet>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "platform/selbox/box_schema.h"
#include "platform/services/form_store.h"

class TORVAttachNegLabel;
class TORVCheckListBox;
class TORVStringHolder;
class QTableWidget;

class TSelBox : public QGroupBox {
    Q_OBJECT

public:
    // The component name is the schema's box name.
    TSelBox(const std::string& boxName, const QString& titel, QWidget* parent = nullptr);
    ~TSelBox() override;

    const kis::selbox::BoxSchema& Schema() const { return *schema_; }

    // The mask slot under which the box stores its masks ("SELKNDUM", "SELBONUS").
    QString FMaskeOwner = QStringLiteral("MEROVA");

    virtual void Init() {}
    virtual void Done() {}
    void Clear();
    void EnabledSetzen(bool on);
    bool MaskeLaden(const QString& maskeName);
    bool MaskeSpeichern(const QString& maskeName);
    bool MaskeLoeschen(const QString& maskeName);
    bool MaskeVorhanden(const QString& maskeName) const;
    void ChangedItemsGet(const QString& name, QStringList& liste) const;

    kis::selbox::BoxWerte Werte() const;
    QString Wert(const QString& control) const;
    // Sets a control from its text form; false for an unknown control.
    bool WertSetzen(const QString& control, const QString& wert);
    // A preset: sets the control (check lists: only the named items; grids: only the named
    // rows) and locks it (grids: the rows' value cells). False for an unknown control.
    bool PresetSetzen(const QString& control, const QString& wert);
    // Applies preset lines "Box.control=value" (lines of other boxes are skipped) or, for
    // lines without a point before the '=', "control=value". Returns how many were applied;
    // lines naming no control of the box are left to the caller in `uebrig`.
    int PresetsAnwenden(const QStringList& zeilen, QStringList* uebrig = nullptr);
    // Locks a control as a preset (disabled, kept by Clear and MaskeLaden).
    void Sperren(const QString& control);
    bool IstGesperrt(const QString& control) const { return gesperrt_.contains(control); }
    bool HatPresets() const { return !gesperrt_.isEmpty() || !gesperrteZeilen_.empty(); }

    // The keys each check list and grid offers, for reading stored masks without a window.
    std::map<std::string, std::vector<std::string>> Schluessel() const;

protected:
    // Runs after Clear, a mask load, a preset and EnabledSetzen.
    virtual void AbhaengigeAktualisieren() {}
    // Enables a dependent control; disabled it takes its empty value when `leeren`.
    void AbhaengigSetzen(const QString& control, bool an, bool leeren);
    bool BoxEnabled() const { return enabled_; }

    // Control makers: the object name is the control's name in the schema.
    TORVAttachNegLabel* NegLabel(const QString& name, const QString& caption);
    TORVCheckListBox* CheckList(const QString& name, int spalten, bool captionIstKey);
    QTableWidget* Grid(const QString& name, const QString& spalte0);

    QWidget* Control(const QString& name) const;

private:
    QString Text(const kis::selbox::Control& c, QWidget* w) const;
    void Setzen(const kis::selbox::Control& c, QWidget* w, const QString& wert, bool nurGenannte);
    void HolderFuellen();
    void HolderAnwenden();
    kis::services::FormStore& Store() const;

    const kis::selbox::BoxSchema* schema_;
    std::unique_ptr<kis::services::FormStore> store_;
    std::map<QString, TORVStringHolder*> holder_;  // holder name -> holder
    QSet<QString> gesperrt_;
    std::map<QString, QSet<QString>> gesperrteZeilen_;  // grid -> locked row names
    bool enabled_ = true;
};
