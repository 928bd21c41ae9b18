#pragma once

#include <QObject>

namespace velmora {

class MainWindow;

// The commands of "Edit" on the document's nodes: rename, node type, group
// and ungroup, move, delete, select all, fold and unfold.
class NodeEditHost : public QObject {
  Q_OBJECT
 public:
  explicit NodeEditHost(MainWindow& window);

  void Rename();
  void NodeType(int type);
  void Summ();
  void UnSumm();
  void MoveUp();
  void MoveDown();
  void Delete();
  void FoldAll(bool fold);

 private:
  MainWindow& window_;
};

}  // namespace velmora
