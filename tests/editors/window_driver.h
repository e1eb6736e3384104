#pragma once
// Driving an editor window as a user would: its controls found by object
// name, actions triggered, line edits typed into.

#include <QAction>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>
#include <stdexcept>
#include <string>

namespace vettora {

// The named control; a missing one fails the test loudly.
template <class T>
T& Child(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  if (!child) throw std::runtime_error(std::string("no control named ") + name);
  return *child;
}

inline void Trigger(const QWidget& window, const char* action) {
  Child<QAction>(window, action).trigger();
}

// Replaces the edit's text by typing; an empty text clears it.
inline void Type(const QWidget& window, const char* edit, const QString& text) {
  QLineEdit& line = Child<QLineEdit>(window, edit);
  line.selectAll();
  if (text.isEmpty())
    QTest::keyClick(&line, Qt::Key_Delete);
  else
    QTest::keyClicks(&line, text);
}

}  // namespace vettora
