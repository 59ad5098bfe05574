#pragma once
// Binds the controls under a root widget to the form store: Store() writes the listed
// properties ("component.Property", the component found by objectName below the root; a
// path "pnlA.edtX.Text" names nested components) as one mask, Restore() puts a mask's values
// back. Only the listed properties are restored, so an old or foreign mask cannot change
// anything else; components that no longer exist and values that do not fit are skipped.
//
// OnStoreStart runs before collecting (to fill string holders), OnRestoreEnd after applying
// (to read them back into check lists).
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "platform/services/form_store.h"

class TORVFormStoreBinding {
public:
    explicit TORVFormStoreBinding(QObject* root, const QStringList& properties = {});

    void SetProperties(const QStringList& properties) { properties_ = properties; }
    const QStringList& Properties() const { return properties_; }

    std::function<void()> OnStoreStart;
    std::function<void()> OnRestoreEnd;

    // The listed properties' current values (components that are missing are left out).
    kis::services::FormProperties Collect() const;
    // Applies those of the values that are listed; returns how many could not be applied
    // (unknown component, unfitting value).
    int Apply(const kis::services::FormProperties& values);

    // Writes the mask; false when the store refused it.
    bool Store(kis::services::FormStore& store, const std::string& maskName);
    // Restores the mask when the store holds it; false when it does not exist.
    bool Restore(const kis::services::FormStore& store, const std::string& maskName);

    // The object a "component.Property" name refers to, and the property part.
    QObject* FindComponent(const QString& qualifiedName, QString* property = nullptr) const;

private:
    QPointer<QObject> root_;
    QStringList properties_;
};
