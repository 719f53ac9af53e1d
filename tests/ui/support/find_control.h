// FindControl: a named control of a window, or a fatal test error naming what is missing.
#pragma once

#include <QObject>
#include <QtGlobal>

namespace qm::uitest {

template <typename T>
T* FindControl(const QObject* root, const char* name)
{
    T* found = root->findChild<T*>(name);
    if (!found) qFatal("no control %s", name);
    return found;
}

}  // namespace qm::uitest
