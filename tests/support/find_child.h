// Controls reached as the learner meets them: by their object name, wherever the
// window keeps them. A control that is missing ends the test with its name.
#pragma once

#include <QObject>
#include <QtGlobal>
#include <memory>

#include "lazy_page.h"

namespace parlavo::testing {

template <class T>
T* Child(const QObject* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromLatin1(name));
  if (!child) {
    // A page makes its controls when the learner first opens it; a test reaching
    // for one before that gets it made, as opening the page would.
    if (auto* self = qobject_cast<LazyPage*>(const_cast<QObject*>(root))) self->EnsureBuilt();
    for (LazyPage* page : root->findChildren<LazyPage*>()) page->EnsureBuilt();
    child = root->findChild<T*>(QString::fromLatin1(name));
  }
  if (!child) qFatal("No control named %s of the expected type", name);
  return child;
}
template <class T>
T* Child(const QObject& root, const char* name) {
  return Child<T>(&root, name);
}
template <class T, class W>
T* Child(const std::unique_ptr<W>& root, const char* name) {
  return Child<T>(root.get(), name);
}

}  // namespace parlavo::testing
