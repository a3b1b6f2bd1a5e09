// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "soak_user.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QList>
#include <QPoint>
#include <QTest>

#include <optional>

namespace soak {
namespace {

// Where a user aims: the middle first, then across the control.
QList<QPoint> aimPoints(const QRect &area)
{
    QList<QPoint> points{area.center()};
    for (int y : {1, 3})
        for (int x : {1, 2, 3}) {
            const QPoint point(area.left() + area.width() * x / 4, area.top() + area.height() * y / 4);
            if (!points.contains(point))
                points << point;
        }
    return points;
}

// A point of `target` (in its own coordinates) where the window shows target itself, or one of its children.
std::optional<QPoint> visiblePoint(QWidget &target)
{
    QWidget *window = target.window();
    if (!target.isVisible() || window->isMinimized())
        return std::nullopt;
    for (const QPoint &aim : aimPoints(target.rect())) {
        const QPoint inWindow = target.mapTo(window, aim);
        if (!window->rect().contains(inWindow))
            continue;
        QWidget *hit = window->childAt(inWindow);
        if (hit == &target || (hit && target.isAncestorOf(hit)))
            return aim;
    }
    return std::nullopt;
}

} // namespace

bool clickButton(QAbstractButton &button)
{
    const std::optional<QPoint> aim = visiblePoint(button);
    if (!aim)
        return false;
    bool clicked = false;
    const QMetaObject::Connection watch = QObject::connect(&button, &QAbstractButton::clicked, &button,
                                                           [&clicked] { clicked = true; });
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, *aim);
    QObject::disconnect(watch);
    return clicked;
}

bool pickFromDropDown(QComboBox &list, int row)
{
    if (!visiblePoint(list))
        return false;
    list.showPopup();
    QAbstractItemView *view = list.view();
    if (!view->isVisible())
        return false;
    view->setCurrentIndex(list.model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    return true;
}

void pressKeyInList(QComboBox &list, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    list.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&list, key, modifiers);
}

void typeIntoList(QComboBox &list, const QString &text)
{
    list.setFocus(Qt::TabFocusReason);
    for (QChar c : text) {
        // A key of a Cyrillic keyboard has no Latin key code, only its text.
        if (c.unicode() < 0x80)
            QTest::keyClick(&list, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace soak
