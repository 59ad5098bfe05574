#include "platform/ui/form_store_binding.h"

#include "platform/ui/control_property.h"

TORVFormStoreBinding::TORVFormStoreBinding(QObject* root, const QStringList& properties)
    : root_(root), properties_(properties) {}

QObject* TORVFormStoreBinding::FindComponent(const QString& qualifiedName, QString* property) const {
    if (!root_) return nullptr;
    const QStringList parts = qualifiedName.split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.last().isEmpty()) return nullptr;
    if (property) *property = parts.last();
    QObject* current = root_;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString& name = parts[i];
        if (name.isEmpty()) return nullptr;
        if (i == 0 && current->objectName() == name) continue;  // the root itself
        current = current->findChild<QObject*>(name);
        if (!current) return nullptr;
    }
    return current;
}

kis::services::FormProperties TORVFormStoreBinding::Collect() const {
    kis::services::FormProperties out;
    for (const QString& name : properties_) {
        QString property;
        QObject* component = FindComponent(name, &property);
        if (!component) continue;
        if (const auto value = kis::ui::ReadControlProperty(component, property))
            out[name.toStdString()] = value->toStdString();
    }
    return out;
}

int TORVFormStoreBinding::Apply(const kis::services::FormProperties& values) {
    int failed = 0;
    for (const QString& name : properties_) {
        const auto it = values.find(name.toStdString());
        if (it == values.end()) continue;
        QString property;
        QObject* component = FindComponent(name, &property);
        if (!component || !kis::ui::WriteControlProperty(component, property, QString::fromStdString(it->second)))
            ++failed;
    }
    return failed;
}

bool TORVFormStoreBinding::Store(kis::services::FormStore& store, const std::string& maskName) {
    if (OnStoreStart) OnStoreStart();
    return store.Store(maskName, Collect());
}

bool TORVFormStoreBinding::Restore(const kis::services::FormStore& store, const std::string& maskName) {
    if (!store.Exists(maskName)) return false;
    Apply(store.Restore(maskName));
    if (OnRestoreEnd) OnRestoreEnd();
    return true;
}
