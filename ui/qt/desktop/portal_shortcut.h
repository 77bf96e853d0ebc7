// A shortcut as the desktop portal's GlobalShortcuts interface passes it on
// D-Bus: an id chosen by the application and a dictionary of properties
// ("description", "preferred_trigger" on the way in, "trigger_description"
// on the way back), signature (sa{sv}).
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace zef {

struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Makes the types known to QtDBus; call before the first use on a bus.
void RegisterPortalShortcutTypes();

// The shortcuts held by a value of a portal answer's dictionary; none when it
// holds something else.
PortalShortcuts PortalShortcutsIn(const QVariant& value);

}  // namespace zef

Q_DECLARE_METATYPE(zef::PortalShortcut)
Q_DECLARE_METATYPE(zef::PortalShortcuts)
