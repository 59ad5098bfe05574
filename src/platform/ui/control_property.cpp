#include "platform/ui/control_property.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

#include "platform/ui/mask_edit.h"

namespace kis::ui {

namespace {

const QChar kLineSep = QLatin1Char('\n');

QString BoolText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// A Qt property of exactly this name, declared by the class (not a dynamic one).
std::optional<QMetaProperty> OwnProperty(const QObject* object, const QString& name) {
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0) return std::nullopt;
    return meta->property(index);
}

std::optional<QString> VariantToText(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Bool: return BoolText(v.toBool());
        case QMetaType::QStringList: return v.toStringList().join(kLineSep);
        default: break;
    }
    if (!v.canConvert<QString>()) return std::nullopt;
    return v.toString();
}

bool WriteMetaProperty(QObject* object, const QMetaProperty& prop, const QString& value) {
    if (!prop.isWritable()) return false;
    QVariant v;
    switch (prop.typeId()) {
        case QMetaType::Bool: {
            const auto b = ParseStoredBool(value);
            if (!b) return false;
            v = *b;
            break;
        }
        case QMetaType::Int: {
            bool ok = false;
            v = value.trimmed().toInt(&ok);
            if (!ok) return false;
            break;
        }
        case QMetaType::QStringList:
            v = value.isEmpty() ? QStringList() : value.split(kLineSep);
            break;
        default:
            v = value;
    }
    return prop.write(object, v);
}

QStringList SplitLines(const QString& value) { return value.isEmpty() ? QStringList() : value.split(kLineSep); }

std::optional<int> ParseIndex(const QString& value) {
    bool ok = false;
    const int i = value.trimmed().toInt(&ok);
    return ok ? std::optional<int>(i) : std::nullopt;
}

}  // namespace

std::optional<bool> ParseStoredBool(const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("1") || t == QLatin1String("TRUE") || t == QLatin1String("J")) return true;
    if (t == QLatin1String("0") || t == QLatin1String("FALSE") || t == QLatin1String("N")) return false;
    return std::nullopt;
}

std::optional<QString> ReadControlProperty(const QObject* object, const QString& property) {
    if (!object || property.isEmpty()) return std::nullopt;
    if (const auto prop = OwnProperty(object, property)) return VariantToText(prop->read(object));

    const auto* widget = qobject_cast<const QWidget*>(object);
    if (property == QLatin1String("Visible") && widget) return BoolText(!widget->isHidden());
    if (property == QLatin1String("Enabled") && widget)
        return BoolText(!widget->testAttribute(Qt::WA_ForceDisabled));

    if (property == QLatin1String("Checked") || property == QLatin1String("Up")) {
        std::optional<bool> checked;
        if (const auto* b = qobject_cast<const QAbstractButton*>(object)) checked = b->isChecked();
        else if (const auto* g = qobject_cast<const QGroupBox*>(object); g && g->isCheckable()) checked = g->isChecked();
        if (!checked) return std::nullopt;
        return BoolText(property == QLatin1String("Up") ? !*checked : *checked);
    }
    if (property == QLatin1String("Text")) {
        if (const auto* e = qobject_cast<const QLineEdit*>(object)) return e->text();
        if (const auto* c = qobject_cast<const QComboBox*>(object)) return c->currentText();
        if (const auto* p = qobject_cast<const QPlainTextEdit*>(object)) return p->toPlainText();
        if (const auto* t = qobject_cast<const QTextEdit*>(object)) return t->toPlainText();
        if (const auto* l = qobject_cast<const QLabel*>(object)) return l->text();
        if (const auto* b = qobject_cast<const QAbstractButton*>(object)) return b->text();
        return std::nullopt;
    }
    if (property == QLatin1String("Caption")) {
        if (const auto* l = qobject_cast<const QLabel*>(object)) return l->text();
        if (const auto* b = qobject_cast<const QAbstractButton*>(object)) return b->text();
        if (const auto* g = qobject_cast<const QGroupBox*>(object)) return g->title();
        if (widget) return widget->windowTitle();
        return std::nullopt;
    }
    if (property == QLatin1String("Items")) {
        QStringList items;
        if (const auto* c = qobject_cast<const QComboBox*>(object)) {
            for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        } else if (const auto* l = qobject_cast<const QListWidget*>(object)) {
            for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
        } else {
            return std::nullopt;
        }
        return items.join(kLineSep);
    }
    if (property == QLatin1String("ItemIndex")) {
        if (const auto* c = qobject_cast<const QComboBox*>(object)) return QString::number(c->currentIndex());
        if (const auto* l = qobject_cast<const QListWidget*>(object)) return QString::number(l->currentRow());
        if (const auto* t = qobject_cast<const QTabWidget*>(object)) return QString::number(t->currentIndex());
        return std::nullopt;
    }
    return std::nullopt;
}

bool WriteControlProperty(QObject* object, const QString& property, const QString& value) {
    if (!object || property.isEmpty()) return false;
    // The kit's edits report whether the text fitted their rules.
    if (auto* edit = qobject_cast<TCustomORVMaskEdit*>(object); edit && property == QLatin1String("Text"))
        return edit->SetText(value);
    if (const auto prop = OwnProperty(object, property)) return WriteMetaProperty(object, *prop, value);

    auto* widget = qobject_cast<QWidget*>(object);
    if (property == QLatin1String("Visible") || property == QLatin1String("Enabled") ||
        property == QLatin1String("Checked") || property == QLatin1String("Up")) {
        const auto on = ParseStoredBool(value);
        if (!on) return false;
        if (property == QLatin1String("Visible") && widget) { widget->setVisible(*on); return true; }
        if (property == QLatin1String("Enabled") && widget) { widget->setEnabled(*on); return true; }
        const bool checked = property == QLatin1String("Up") ? !*on : *on;
        if (auto* b = qobject_cast<QAbstractButton*>(object); b && b->isCheckable()) { b->setChecked(checked); return true; }
        if (auto* g = qobject_cast<QGroupBox*>(object); g && g->isCheckable()) { g->setChecked(checked); return true; }
        return false;
    }
    if (property == QLatin1String("Text")) {
        if (auto* e = qobject_cast<QLineEdit*>(object)) {
            if (value.size() > e->maxLength()) return false;
            e->setText(value);
            return true;
        }
        if (auto* c = qobject_cast<QComboBox*>(object)) {
            if (c->isEditable()) { c->setEditText(value); return true; }
            const int i = c->findText(value);
            if (i < 0) return false;
            c->setCurrentIndex(i);
            return true;
        }
        if (auto* p = qobject_cast<QPlainTextEdit*>(object)) { p->setPlainText(value); return true; }
        if (auto* t = qobject_cast<QTextEdit*>(object)) { t->setPlainText(value); return true; }
        if (auto* l = qobject_cast<QLabel*>(object)) { l->setText(value); return true; }
        if (auto* b = qobject_cast<QAbstractButton*>(object)) { b->setText(value); return true; }
        return false;
    }
    if (property == QLatin1String("Caption")) {
        if (auto* l = qobject_cast<QLabel*>(object)) { l->setText(value); return true; }
        if (auto* b = qobject_cast<QAbstractButton*>(object)) { b->setText(value); return true; }
        if (auto* g = qobject_cast<QGroupBox*>(object)) { g->setTitle(value); return true; }
        if (widget) { widget->setWindowTitle(value); return true; }
        return false;
    }
    if (property == QLatin1String("Items")) {
        if (auto* c = qobject_cast<QComboBox*>(object)) {
            const QString current = c->currentText();
            c->clear();
            c->addItems(SplitLines(value));
            c->setCurrentIndex(c->findText(current));
            return true;
        }
        if (auto* l = qobject_cast<QListWidget*>(object)) {
            l->clear();
            l->addItems(SplitLines(value));
            return true;
        }
        return false;
    }
    if (property == QLatin1String("ItemIndex")) {
        const auto i = ParseIndex(value);
        if (!i) return false;
        if (auto* c = qobject_cast<QComboBox*>(object)) {
            if (*i < -1 || *i >= c->count()) return false;
            c->setCurrentIndex(*i);
            return true;
        }
        if (auto* l = qobject_cast<QListWidget*>(object)) {
            if (*i < -1 || *i >= l->count()) return false;
            l->setCurrentRow(*i);
            return true;
        }
        if (auto* t = qobject_cast<QTabWidget*>(object)) {
            if (*i < 0 || *i >= t->count()) return false;
            t->setCurrentIndex(*i);
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace kis::ui
