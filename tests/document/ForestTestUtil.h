#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "IUndoRecorder.h"
#include "NullUndoRecorder.h"
#include "TNodeForest.h"
#include "TVAStruct.h"

namespace velmora::test {

// A leaf with a curve record holding `points`.
inline TNode* AddLeaf(TNodeForest& f, TNode* after, TNode* parent, const std::string& name, TDataArr points = {}) {
  TNode* n = f.CreateNode();
  n->SetNameSilently(name);
  auto rec = std::make_unique<TVAStruct>(n);
  rec->Data = std::move(points);
  rec->UpdateBounds(0);
  n->SetRecord(std::move(rec));
  f.InsertNode(parent, after, n);
  return n;
}

// Roots in order, built by appending after the last root.
inline std::vector<TNode*> AddRoots(TNodeForest& f, int count) {
  std::vector<TNode*> nodes;
  for (int i = 0; i < count; ++i) nodes.push_back(AddLeaf(f, f.LastRoot(), nullptr, "n" + std::to_string(i)));
  return nodes;
}

// Names of the forest in display order, children in brackets.
inline std::string Shape(const TNode* first) {
  std::string s;
  for (const TNode* n = first; n; n = n->NextSibling) {
    if (!s.empty()) s += ' ';
    s += n->Name;
    if (n->FirstChild) s += "(" + Shape(n->FirstChild) + ")";
  }
  return s;
}

// A straight line Y = a + b X on X = x0, x0 + dx, ...
inline TDataArr Line(double x0, double dx, int count, double a, double b) {
  TDataArr pts;
  for (int i = 0; i < count; ++i) {
    const double x = x0 + dx * i;
    pts.push_back({x, a + b * x});
  }
  return pts;
}

// A differential-pulse stripping voltammogram as the analyzer records it: a
// sloping background of about 30 µA with Zn, Cd and Pb peaks of 4 to 15 µA,
// from -1200 mV upward in steps of `dx` (or downward when `dx` < 0).
inline TDataArr StrippingCurve(double dx = 2.0, double background = 30.0) {
  struct Peak {
    double at, height, width;
  };
  const Peak peaks[] = {{-950, 15.0, 25}, {-640, 4.0, 20}, {-420, 9.0, 22}};
  const int count = 600;
  const double x0 = dx > 0 ? -1200.0 : -1200.0 - dx * (count - 1);
  TDataArr pts;
  for (int i = 0; i < count; ++i) {
    const double x = x0 + dx * i;
    double y = background + 0.004 * (x + 1200.0);
    for (const Peak& p : peaks) y += p.height * std::exp(-0.5 * (x - p.at) * (x - p.at) / (p.width * p.width));
    pts.push_back({x, y});
  }
  return pts;
}

// Records what the model reports to the undo recorder.
class RecordingUndo : public NullUndoRecorder {
 public:
  std::vector<std::string> log;
  void RecordCheck(TNode* n, bool old) override { log.push_back("check " + n->Name + (old ? " 1" : " 0")); }
  void RecordFold(TNode* n, bool old) override { log.push_back("fold " + n->Name + (old ? " 1" : " 0")); }
  void RecordRename(TNode* n, const std::string& old) override { log.push_back("rename " + old + "->" + n->Name); }
  void RecordMoveUp(TNode* n) override { log.push_back("up " + n->Name); }
  void RecordMoveDown(TNode* n) override { log.push_back("down " + n->Name); }
  void RecordNodeType(const TNodesArr& nodes, std::int32_t t) override {
    log.push_back("type " + std::to_string(nodes.size()) + " " + std::to_string(t));
  }
  void RecordToggleColumns(const TNodesArr& nodes, std::int32_t i) override {
    log.push_back("columns " + std::to_string(nodes.size()) + " " + std::to_string(i));
  }
  void RecordRemove(const TNodesArr& nodes) override { log.push_back("remove " + std::to_string(nodes.size())); }
  void RecordGroup(TNode*, const TNodesArr& nodes, const TPosArr& pos) override {
    log.push_back("group " + std::to_string(nodes.size()) + " " + std::to_string(pos.size()));
  }
  void RecordSeparate(TNode*, const TNodesArr& nodes) override {
    log.push_back("separate " + std::to_string(nodes.size()));
  }
  void RecordDataChange(TArrayDataStruct*, const TPointsRef&) override { log.push_back("data"); }
};

}  // namespace velmora::test
