// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

constexpr char HiddenProperty[] = "tavreloHiddenFromScreenReaders";
constexpr char WindowProperty[] = "tavreloWindow";

// A container whose list of children leaves out the controls hidden from screen readers.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = children();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

protected:
    QList<QWidget *> children() const
    {
        QList<QWidget *> list;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !isHiddenFromScreenReaders(*child))
                list << child;
        }
        return list;
    }
};

// A frame: a named group of controls, each of which it labels.
class FrameAccessible final : public ContainerAccessible {
public:
    explicit FrameAccessible(QGroupBox *frame) : ContainerAccessible(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            // The title doubles '&' so that it is not taken as a mnemonic marker.
            return static_cast<QGroupBox *>(widget())->title().replace(u"&&"_s, u"&"_s);
        }
        return ContainerAccessible::text(t);
    }

    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto related = ContainerAccessible::relations(match);
        if ((match & QAccessible::Labelled) && !static_cast<QGroupBox *>(widget())->title().isEmpty()) {
            for (QWidget *child : children()) {
                if (QAccessibleInterface *labelled = QAccessible::queryAccessibleInterface(child))
                    related.append({labelled, QAccessible::Labelled});
            }
        }
        return related;
    }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object);
        widget && widget->isWindow() && widget->property(WindowProperty).toBool())
        return new ContainerAccessible(widget, QAccessible::Window);
    if (auto *frame = qobject_cast<QGroupBox *>(object))
        return new FrameAccessible(frame);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    // Qt asks the newest factory first, so this one must come after the application's own.
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void showAsWindowToScreenReaders(QWidget &window)
{
    window.setProperty(WindowProperty, true);
}

void hideFromScreenReaders(QWidget &widget)
{
    widget.setProperty(HiddenProperty, true);
}

bool isHiddenFromScreenReaders(const QWidget &widget)
{
    return widget.property(HiddenProperty).toBool();
}

} // namespace platform
