#pragma once

#include <QAccessible>

// Registers, once, the accessibility factory that gives each widget of type
// W (known by its type: our widgets have no meta-object of their own) an
// object of type A. Called before anything asks for such a widget's object.
template <class W, class A>
void InstallAccessFactory()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        auto* widget = dynamic_cast<W*>(object);
        return widget ? new A(widget) : nullptr;
    });
}
