#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QActionGroup;

namespace velmora {

// The main window's action list: every command by category, with its
// caption, shortcut, tag, check group and icon. Actions carry their name as
// object name (`SaveActn`), so that the windows of every subsystem can find
// and wire theirs with action("...").
//
// An action whose command is not available in this build stays disabled;
// the code that brings the command calls adopt() and then owns its state.
class MainActions : public QObject {
  Q_OBJECT
 public:
  enum class Category { File, Edit, View, Tools, Device, Calculations, Methods, Help };

  explicit MainActions(QObject* parent);

  // The action of that name, or null.
  QAction* action(const char* name) const;
  QAction* operator[](const char* name) const { return action(name); }
  const QList<QAction*>& all() const { return all_; }
  QList<QAction*> category(Category category) const;
  Category categoryOf(const QAction* action) const;
  // The tag of an action (-1 when it has none).
  static int tag(const QAction* action);
  // The check group of the named actions' group, or null.
  QActionGroup* group(const char* name) const { return groups_.value(QString::fromLatin1(name)); }

  // Marks the command as available: its action becomes enabled and the
  // main window's state rules (or the caller's own) drive it from now on.
  void adopt(const char* name);
  // True when the command of this action is available in this build.
  bool isAvailable(const QAction* action) const;
  // Enables an available action; unavailable ones stay disabled.
  void setEnabled(const char* name, bool enabled);

  // Re-reads captions and hints in the current language.
  void retranslate();

  // One line of the action table.
  struct Entry;

 private:
  void create();

  QList<QAction*> all_;
  QHash<QString, QAction*> byName_;
  QHash<QString, QActionGroup*> groups_;
  QHash<const QAction*, int> entryIndex_;
};

}  // namespace velmora
