// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include "ui/widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace swoonery::ui {

namespace {

// The gauge: a level bar from 0 to 100. Its hearts are its drawing, not
// controls of their own, so it has no children to read.
class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(HeartGauge* gauge)
        : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return QString::number(gauge()->level());
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return gauge()->level(); }
    void setCurrentValue(const QVariant&) override {} // the game sets it, not the player
    QVariant maximumValue() const override { return HeartGauge::kMaximum; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    HeartGauge* gauge() const { return static_cast<HeartGauge*>(widget()); }
};

QAccessibleInterface* describe(const QString& key, QObject* object) {
    if (key == QLatin1String("swoonery::ui::HeartGauge")) {
        return new GaugeAccessible(static_cast<HeartGauge*>(object));
    }
    if (key == QLatin1String("swoonery::ui::PictureBox")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&describe);
        return true;
    }();
    (void)installed;
}

} // namespace swoonery::ui
